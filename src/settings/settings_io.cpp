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

void SaveSettings(CRegistry& registry, const Settings& settings) {
    registry.WriteInt(kSectionOptions, kValueAddBookmarks, settings.addBookmarks);
    registry.WriteInt(kSectionOptions, kValuePastePrefixes, settings.pastePrefixes);
    registry.WriteInt(kSectionOptions, kValuePasteComment, settings.pasteComment);
    registry.WriteInt(kSectionOptions, kValuePasteSpace, settings.pasteSpace);
    registry.WriteInt(kSectionOptions, kValueCommentizeStyle, settings.commentizeStyle);
    registry.WriteInt(kSectionOptions, kValueBrowseShowsClasses, settings.browseShowsClasses);
    registry.WriteInt(kSectionOptions, kValuePasteDefaultParameters,
                      settings.pasteDefaultParameters);
    registry.WriteStringList(kSectionOptions, kValueSourceExtensions, settings.sourceExtensions);
    registry.WriteStringList(kSectionOptions, kValueHeaderExtensions, settings.headerExtensions);
    registry.WriteStringList(kSectionOptions, kValueFriendFileDirectories,
                             settings.friendFileDirectories);
    registry.WriteString(kSectionOptions, kValueTemplateAuthor, settings.templateAuthor);
}

}  // namespace settings
