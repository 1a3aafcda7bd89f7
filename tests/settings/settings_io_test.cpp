#include "settings/settings_io.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/memory_profile_store.h"

namespace settings {

namespace {

// One entry per access: "ReadInt Options/Add Bookmarks".
std::vector<std::string> Log(const MemoryProfileStore& store) {
    using Kind = MemoryProfileStore::Access::Kind;
    std::vector<std::string> log;
    for (const auto& a : store.Accesses()) {
        const char* kind = a.kind == Kind::kReadInt      ? "ReadInt "
                           : a.kind == Kind::kReadString ? "ReadString "
                           : a.kind == Kind::kWriteInt   ? "WriteInt "
                                                         : "WriteString ";
        log.push_back(kind + a.section + "/" + a.name);
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
    EXPECT_EQ(Log(store), (std::vector<std::string>{
                              "ReadInt Options/Add Bookmarks",
                              "ReadInt Options/Paste Default Parameters",
                              "ReadInt Options/Paste Prefixes",
                              "ReadInt Options/Paste Comment",
                              "ReadInt Options/Paste Space",
                              "ReadInt Options/Commentize Style",
                              "ReadInt Options/Browse Shows Classes",
                              "ReadString Options/Extensions Source",
                              "ReadString Options/Extensions Header",
                              "ReadString Options/Friend File Directories",
                              "ReadString Options/Code Templates Author",
                          }));

    store.ClearAccesses();
    store.SetWritesFail(true);  // failures must not cut the save short
    SaveSettings(registry, settings);
    EXPECT_EQ(Log(store), (std::vector<std::string>{
                              "WriteInt Options/Add Bookmarks",
                              "WriteInt Options/Paste Prefixes",
                              "WriteInt Options/Paste Comment",
                              "WriteInt Options/Paste Space",
                              "WriteInt Options/Commentize Style",
                              "WriteInt Options/Browse Shows Classes",
                              "WriteInt Options/Paste Default Parameters",
                              "WriteString Options/Extensions Source",
                              "WriteString Options/Extensions Header",
                              "WriteString Options/Friend File Directories",
                              "WriteString Options/Code Templates Author",
                          }));
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
