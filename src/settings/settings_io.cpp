#include "settings/settings_io.h"

namespace settings {
namespace {

void LoadInt(CRegistry& registry, const char* name, int fallback, int& field) {
    if (!registry.ReadInt(kSectionOptions, name, field)) {
        field = fallback;
    }
}

void LoadList(CRegistry& registry, const char* name, const StringList& fallback,
              StringList& field) {
    if (!registry.ReadStringList(kSectionOptions, name, field)) {
        field = fallback;
    }
}

}  // namespace

void LoadSettings(CRegistry& registry, Settings& settings) {
    LoadInt(registry, kValueAddBookmarks, 0, settings.addBookmarks);
    LoadInt(registry, kValuePasteDefaultParameters, 1, settings.pasteDefaultParameters);
    LoadInt(registry, kValuePastePrefixes, 1, settings.pastePrefixes);
    LoadInt(registry, kValuePasteComment, 1, settings.pasteComment);
    LoadInt(registry, kValuePasteSpace, 0, settings.pasteSpace);
    LoadInt(registry, kValueCommentizeStyle, 0, settings.commentizeStyle);
    LoadInt(registry, kValueBrowseShowsClasses, 0, settings.browseShowsClasses);
    LoadList(registry, kValueSourceExtensions, {"cpp", "c", "cc"}, settings.sourceExtensions);
    LoadList(registry, kValueHeaderExtensions, {"h", "hpp"}, settings.headerExtensions);
    LoadList(registry, kValueFriendFileDirectories, {}, settings.friendFileDirectories);
    if (!registry.ReadString(kSectionOptions, kValueTemplateAuthor, settings.templateAuthor)) {
        settings.templateAuthor.clear();
    }
}

void SaveSettings(CRegistry& registry, const Settings& settings, const Settings* loaded) {
    // Each value is its own write, so leaving out the unchanged ones keeps what another
    // process wrote to them meanwhile.
    const auto changed = [&](auto Settings::*field) {
        return !loaded || loaded->*field != settings.*field;
    };
    const auto saveInt = [&](const char* name, int Settings::*field) {
        if (changed(field))
            registry.WriteInt(kSectionOptions, name, settings.*field);
    };
    const auto saveList = [&](const char* name, StringList Settings::*field) {
        if (changed(field))
            registry.WriteStringList(kSectionOptions, name, settings.*field);
    };
    saveInt(kValueAddBookmarks, &Settings::addBookmarks);
    saveInt(kValuePastePrefixes, &Settings::pastePrefixes);
    saveInt(kValuePasteComment, &Settings::pasteComment);
    saveInt(kValuePasteSpace, &Settings::pasteSpace);
    saveInt(kValueCommentizeStyle, &Settings::commentizeStyle);
    saveInt(kValueBrowseShowsClasses, &Settings::browseShowsClasses);
    saveInt(kValuePasteDefaultParameters, &Settings::pasteDefaultParameters);
    saveList(kValueSourceExtensions, &Settings::sourceExtensions);
    saveList(kValueHeaderExtensions, &Settings::headerExtensions);
    saveList(kValueFriendFileDirectories, &Settings::friendFileDirectories);
    if (changed(&Settings::templateAuthor))
        registry.WriteString(kSectionOptions, kValueTemplateAuthor, settings.templateAuthor);
}

}  // namespace settings
