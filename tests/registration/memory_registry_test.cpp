#include "registration/memory_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace registration {
namespace {

constexpr RegistryRoot kHKCU = RegistryRoot::CurrentUser;

std::vector<std::string> SortedSubKeys(MemoryRegistry& registry, const std::string& path) {
    std::vector<std::string> names = registry.SubKeys(kHKCU, path);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(MemoryRegistryTest, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    MemoryRegistry registry;
    ASSERT_TRUE(registry.CreateKey(kHKCU, "Software\\Tarn"));
    ASSERT_TRUE(registry.CreateKey(kHKCU, "SOFTWARE\\tarn\\Zentrel2"));
    EXPECT_TRUE(registry.KeyExists(kHKCU, "software\\TARN\\zentrel2"));
    EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, "Software"));
    EXPECT_EQ(registry.SubKeys(kHKCU, "software"), std::vector<std::string>{"Tarn"});
    ASSERT_TRUE(registry.SetValue(kHKCU, "Software", "Paste", std::uint32_t{1}));
    ASSERT_TRUE(registry.SetValue(kHKCU, "software", "PASTE", std::string("x")));
    EXPECT_EQ(registry.ValueNames(kHKCU, "Software"), std::vector<std::string>{"Paste"});
    EXPECT_EQ(ReadString(registry, kHKCU, "SOFTWARE", "paste"), "x");
    EXPECT_FALSE(registry.SetValue(kHKCU, "Absent", "", std::string("x")));
    EXPECT_TRUE(registry.DeleteValue(kHKCU, "SOFTWARE", "PASTE"));
    EXPECT_TRUE(registry.ValueNames(kHKCU, "Software").empty());
}

// Sibling names that sort between a key and its subkeys must not be taken for either.
TEST(MemoryRegistryTest, SubKeysAndDeleteTreeKeepToTheirOwnSubtree) {
    MemoryRegistry registry;
    for (const char* path : {"K\\a\\deep\\er", "K\\a!", "K\\a]", "K\\b", "K!\\x"}) {
        ASSERT_TRUE(registry.CreateKey(kHKCU, path)) << path;
    }
    EXPECT_EQ(SortedSubKeys(registry, "K"), (std::vector<std::string>{"a", "a!", "a]", "b"}));
    EXPECT_TRUE(registry.DeleteTree(kHKCU, "k\\A"));
    EXPECT_EQ(SortedSubKeys(registry, "K"), (std::vector<std::string>{"a!", "a]", "b"}));
    EXPECT_TRUE(registry.DeleteTree(kHKCU, "K"));
    EXPECT_TRUE(registry.KeyExists(kHKCU, "K!\\x"));
    EXPECT_TRUE(registry.DeleteTree(kHKCU, "K")) << "an absent key is deleted already";
    EXPECT_FALSE(registry.DeleteTree(kHKCU, "")) << "a root stays";
}

TEST(MemoryRegistryTest, MalformedOrTooDeepPathsAreRefused) {
    MemoryRegistry registry;
    for (const char* path : {"\\a", "a\\", "a\\\\b", "a\\b\x01"}) {
        EXPECT_FALSE(registry.CreateKey(kHKCU, path)) << path;
    }
    EXPECT_EQ(registry.Dump(), "REGEDIT4\n");
    std::string deep = "k";
    for (int level = 1; level < 512; ++level) {
        deep += "\\k";
    }
    EXPECT_TRUE(registry.CreateKey(kHKCU, deep));
    EXPECT_FALSE(registry.CreateKey(kHKCU, deep + "\\k")) << "past the registry's 512 levels";
}

TEST(MemoryRegistryTest, TextFormRoundTripsEveryByte) {
    MemoryRegistry registry;
    const std::string awkward = std::string("q\"b\\c\r\n\t\x7f\xe9") + '\0' + "end";
    ASSERT_TRUE(registry.CreateKey(RegistryRoot::LocalMachine, "Odd ]name [x]\\\xe9t\xe9"));
    ASSERT_TRUE(registry.SetValue(kHKCU, "", "on root", std::uint32_t{0xdeadbeef}));
    ASSERT_TRUE(registry.CreateKey(kHKCU, "K"));
    ASSERT_TRUE(registry.SetValue(kHKCU, "K", "", std::string()));
    ASSERT_TRUE(registry.SetValue(kHKCU, "K", awkward, awkward));
    std::stringstream text;
    registry.Save(text);
    MemoryRegistry loaded;
    std::string error;
    ASSERT_TRUE(loaded.Load(text, error)) << error << "\n" << text.str();
    EXPECT_EQ(loaded.Dump(), registry.Dump());
    EXPECT_EQ(ReadString(loaded, kHKCU, "K", awkward), awkward);
}

TEST(MemoryRegistryTest, LoadAcceptsHandEditedTextAndNamesTheBadLine) {
    std::istringstream text(
        "\r\n; kept by hand\r\nREGEDIT4\r\n[HKCU\\A\\B]\r\n  \"n\" = dword:0000002A  \r\n"
        "@=\"d\"\r\n\"n\"=\"later wins\"\r\n");
    MemoryRegistry registry;
    std::string error;
    ASSERT_TRUE(registry.Load(text, error)) << error;
    EXPECT_EQ(registry.Dump(),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\n[HKEY_CURRENT_USER\\A\\B]\n@=\"d\"\n"
              "\"n\"=\"later wins\"\n");

    const std::pair<const char*, const char*> bad[] = {
        {"", "line 1: expected REGEDIT4"},
        {"REGEDIT4\n\"n\"=\"v\"\n", "line 2: a value before the first [key]"},
        {"REGEDIT4\n[HKEY_USERS\\A]\n", "line 2: unknown root 'HKEY_USERS'"},
        {"REGEDIT4\n[HKCU\\A]\n\"n\"=dword:123456789\n",
         "line 3: expected a \"string\" or dword:XXXXXXXX"},
        {"REGEDIT4\n[HKCU\\A]\nn=\"v\"\n", "line 3: expected a [key] or a \"quoted\" value name"},
    };
    for (const auto& [input, message] : bad) {
        std::istringstream in(input);
        EXPECT_FALSE(registry.Load(in, error)) << input;
        EXPECT_EQ(error, message) << input;
        EXPECT_TRUE(registry.KeyExists(kHKCU, "A\\B")) << "a failed load keeps the content";
    }
}

}  // namespace
}  // namespace registration
