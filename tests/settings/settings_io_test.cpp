#include "settings/settings_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/memory_profile_store.h"

namespace settings {

namespace {

// The accesses in order, "ReadInt Add Bookmarks; ...", naming a section other than Options.
std::string Log(const MemoryProfileStore& store) {
    using Kind = MemoryProfileStore::Access::Kind;
    std::string log;
    for (const auto& a : store.Accesses()) {
        const char* kind = a.kind == Kind::kReadInt      ? "ReadInt "
                           : a.kind == Kind::kReadString ? "ReadString "
                           : a.kind == Kind::kWriteInt   ? "WriteInt "
                                                         : "WriteString ";
        log += (log.empty() ? "" : "; ") + std::string(kind) +
               (a.section == "Options" ? "" : a.section + "/") + a.name;
    }
    return log;
}

// Every field away from its default.
const Settings kUnusual{{"cxx"}, {}, {"..\\inc\\", "$$(SDK)\\"}, "A. \"Q\" Author", 1, 0, 0, 0, 1,
                        2,       1};

TEST(SettingsIoTest, MissingSentinelOrWrongTypeValuesTakeTheirDefaults) {
    MemoryProfileStore sentinels;
    for (const char* name :
         {kValueAddBookmarks, kValuePasteDefaultParameters, kValuePastePrefixes, kValuePasteComment,
          kValuePasteSpace, kValueCommentizeStyle, kValueBrowseShowsClasses}) {
        sentinels.Seed("Options", name, kMissingInt);
    }
    sentinels.Seed("Options", kValuePastePrefixes, std::string("0"));
    sentinels.Seed("Options", kValueSourceExtensions, std::string(kMissingString));
    sentinels.Seed("Options", kValueHeaderExtensions, 5);
    sentinels.Seed("Options", kValueTemplateAuthor, std::string(kMissingString));

    // Spelled out rather than taken from Settings' initialisers, which this also checks.
    const Settings defaults{{"cpp", "c", "cc"}, {"h", "hpp"}, {}, "", 0, 1, 1, 1, 0, 0, 0};
    MemoryProfileStore fresh;
    for (MemoryProfileStore* store : {&fresh, &sentinels}) {
        CRegistry registry(*store);
        Settings settings = kUnusual;
        LoadSettings(registry, settings);
        EXPECT_EQ(settings, defaults) << (store == &fresh ? "fresh user" : "sentinels");
    }
}

TEST(SettingsIoTest, PresentValuesAreUsedUnchecked) {
    MemoryProfileStore store;
    store.Seed("Options", kValueCommentizeStyle, 7);
    store.Seed("Options", kValueSourceExtensions, std::string(""));
    store.Seed("Options", kValueHeaderExtensions, std::string("\x01"));
    CRegistry registry(store);
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(settings.commentizeStyle, 7);
    EXPECT_TRUE(settings.sourceExtensions.empty());
    EXPECT_TRUE(settings.headerExtensions.empty());
}

TEST(SettingsIoTest, LoadAndSaveVisitValuesInTheirOwnOrders) {
    MemoryProfileStore store;
    CRegistry registry(store);
    Settings settings;
    LoadSettings(registry, settings);
    EXPECT_EQ(Log(store),
              "ReadInt Add Bookmarks; ReadInt Paste Default Parameters; ReadInt Paste Prefixes; "
              "ReadInt Paste Comment; ReadInt Paste Space; ReadInt Commentize Style; "
              "ReadInt Browse Shows Classes; ReadString Extensions Source; "
              "ReadString Extensions Header; ReadString Friend File Directories; "
              "ReadString Code Templates Author");

    store.ClearAccesses();
    store.SetWritesFail(true);  // failures must not cut the save short
    SaveSettings(registry, settings);
    EXPECT_EQ(Log(store),
              "WriteInt Add Bookmarks; WriteInt Paste Prefixes; WriteInt Paste Comment; "
              "WriteInt Paste Space; WriteInt Commentize Style; WriteInt Browse Shows Classes; "
              "WriteInt Paste Default Parameters; WriteString Extensions Source; "
              "WriteString Extensions Header; WriteString Friend File Directories; "
              "WriteString Code Templates Author");
}

TEST(SettingsIoTest, SavedSettingsLoadBackUnchanged) {
    MemoryProfileStore store;
    CRegistry registry(store);
    SaveSettings(registry, kUnusual);
    EXPECT_EQ(store.Peek("Options", kValueFriendFileDirectories),
              ProfileValue("..\\inc\\\x01$$(SDK)\\\x01"));
    Settings loaded;
    LoadSettings(registry, loaded);
    EXPECT_EQ(loaded, kUnusual);
}

}  // namespace
}  // namespace settings
