#include "settings/settings_io.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/memory_profile_store.h"

namespace settings {

namespace {

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

TEST(SettingsIoTest, SavedSettingsLoadBackUnchanged) {
    MemoryProfileStore store;
    CRegistry registry(store);
    SaveSettings(registry, kUnusual);
    EXPECT_EQ(store.Peek("Options", kValueFriendFileDirectories),
              ProfileValue("..\\inc\\\x01$$(SDK)\\\x01"));
    Settings loaded;
    LoadSettings(registry, loaded);
    EXPECT_EQ(loaded, kUnusual);

    store.ClearAccesses();
    store.SetWritesFail(true);  // a failed write must not cut the save short
    SaveSettings(registry, kUnusual);
    EXPECT_EQ(store.Accesses().size(), 11u);
}

}  // namespace
}  // namespace settings
