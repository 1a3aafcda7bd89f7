#include "host/memory_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace host {
namespace {

constexpr RegistryRoot kHKCU = RegistryRoot::CurrentUser;

std::vector<std::string> Sorted(std::vector<std::string> names) {
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
    EXPECT_EQ(registry.Dump(),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n\"Paste\"=\"x\"\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tarn]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2]\n");
}

// Sibling names that sort between a key and its subkeys must not be taken for either.
TEST(MemoryRegistryTest, SubKeysAndDeleteTreeKeepToTheirOwnSubtree) {
    MemoryRegistry registry;
    for (const char* path : {"K\\a\\deep\\er", "K\\a!", "K\\a]", "K\\b", "K!\\x", "L"}) {
        ASSERT_TRUE(registry.CreateKey(kHKCU, path)) << path;
    }
    EXPECT_EQ(Sorted(registry.SubKeys(kHKCU, "")), (std::vector<std::string>{"K", "K!", "L"}));
    EXPECT_EQ(Sorted(registry.SubKeys(kHKCU, "K")),
              (std::vector<std::string>{"a", "a!", "a]", "b"}));
    EXPECT_TRUE(registry.SubKeys(kHKCU, "absent").empty());

    EXPECT_TRUE(registry.DeleteTree(kHKCU, "k\\A"));
    EXPECT_FALSE(registry.KeyExists(kHKCU, "K\\a\\deep"));
    EXPECT_EQ(Sorted(registry.SubKeys(kHKCU, "K")), (std::vector<std::string>{"a!", "a]", "b"}));
    EXPECT_TRUE(registry.DeleteTree(kHKCU, "K"));
    EXPECT_TRUE(registry.KeyExists(kHKCU, "K!\\x"));
    EXPECT_TRUE(registry.DeleteTree(kHKCU, "K")) << "an absent key is deleted already";
    EXPECT_FALSE(registry.DeleteTree(kHKCU, "")) << "a root stays";
}

TEST(MemoryRegistryTest, MalformedPathsAreRefused) {
    for (const char* path : {"\\a", "a\\", "a\\\\b", "a\\b\x01"}) {
        MemoryRegistry registry;
        EXPECT_FALSE(registry.CreateKey(kHKCU, path)) << path;
        EXPECT_EQ(registry.Dump(), "REGEDIT4\n") << path;
    }
    std::string deep = "k";
    for (int level = 1; level < 512; ++level) {
        deep += "\\k";
    }
    MemoryRegistry registry;
    EXPECT_TRUE(registry.CreateKey(kHKCU, deep));
    EXPECT_FALSE(registry.CreateKey(kHKCU, deep + "\\k")) << "past the registry's 512 levels";
}

TEST(MemoryRegistryTest, ValuesNeedTheirKey) {
    MemoryRegistry registry;
    EXPECT_FALSE(registry.SetValue(kHKCU, "Absent", "", std::string("x")));
    ASSERT_TRUE(registry.CreateKey(kHKCU, "K"));
    ASSERT_TRUE(registry.SetValue(kHKCU, "K", "", std::string("default")));
    ASSERT_TRUE(registry.SetValue(kHKCU, "K", "n", std::uint32_t{7}));
    EXPECT_EQ(ReadString(registry, kHKCU, "K", ""), "default");
    EXPECT_EQ(ReadString(registry, kHKCU, "K", "n"), std::nullopt) << "a DWORD is no string";
    EXPECT_TRUE(registry.DeleteValue(kHKCU, "K", "N"));
    EXPECT_TRUE(registry.DeleteValue(kHKCU, "K", "n"));
    EXPECT_EQ(registry.ValueNames(kHKCU, "K"), std::vector<std::string>{""});
}

TEST(MemoryRegistryTest, TextFormRoundTripsEveryByte) {
    MemoryRegistry registry;
    const std::string awkward = std::string("q\"b\\c\r\n\t\x7f\xe9") + '\0' + "end";
    ASSERT_TRUE(registry.CreateKey(RegistryRoot::ClassesRoot, "CLSID\\{GUID}\\Empty"));
    ASSERT_TRUE(registry.CreateKey(RegistryRoot::LocalMachine, "Odd ]name [x]\\\xe9t\xe9"));
    ASSERT_TRUE(registry.SetValue(kHKCU, "", "on root", std::uint32_t{0xdeadbeef}));
    ASSERT_TRUE(registry.CreateKey(kHKCU, "K"));
    ASSERT_TRUE(registry.SetValue(kHKCU, "K", "", std::string()));
    ASSERT_TRUE(registry.SetValue(kHKCU, "K", awkward, awkward));
    ASSERT_TRUE(registry.SetValue(kHKCU, "K", "zero", std::uint32_t{0}));

    std::stringstream text;
    registry.Save(text);
    MemoryRegistry loaded;
    std::string error;
    ASSERT_TRUE(loaded.Load(text, error)) << error << "\n" << text.str();
    EXPECT_EQ(loaded.Dump(), registry.Dump());
    EXPECT_EQ(ReadString(loaded, kHKCU, "K", awkward), awkward);
    EXPECT_EQ(loaded.GetValue(kHKCU, "", "ON ROOT"), RegistryValue(std::uint32_t{0xdeadbeef}));
    EXPECT_TRUE(loaded.KeyExists(RegistryRoot::ClassesRoot, "clsid\\{guid}\\empty"));
}

TEST(MemoryRegistryTest, LoadAcceptsHandEditedText) {
    std::istringstream text(
        "\r\n; kept by hand\r\nREGEDIT4\r\n[HKCU\\A\\B]\r\n  \"n\" = dword:0000002A  \r\n"
        "@=\"d\"\r\n\"n\"=\"later wins\"\r\n");
    MemoryRegistry registry;
    std::string error;
    ASSERT_TRUE(registry.Load(text, error)) << error;
    EXPECT_EQ(registry.Dump(),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\n[HKEY_CURRENT_USER\\A\\B]\n@=\"d\"\n"
              "\"n\"=\"later wins\"\n");
}

TEST(MemoryRegistryTest, LoadErrorsNameTheLineAndKeepTheContent) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "line 1: expected REGEDIT4"},
        {"[HKEY_CURRENT_USER\\A]\n", "line 1: expected REGEDIT4"},
        {"REGEDIT4\n\"n\"=\"v\"\n", "line 2: a value before the first [key]"},
        {"REGEDIT4\n[HKEY_USERS\\A]\n", "line 2: unknown root 'HKEY_USERS'"},
        {"REGEDIT4\n[HKCU\\A\\\\B]\n", "line 2: malformed key 'HKCU\\A\\\\B'"},
        {"REGEDIT4\n[HKCU\\A\n", "line 2: expected ']' at the end of the key"},
        {"REGEDIT4\n[HKCU\\A]\n\n\"n\"=\"v\n", "line 4: unterminated string"},
        {"REGEDIT4\n[HKCU\\A]\n\"n\"=\"\\q\"\n", "line 3: unknown escape sequence"},
        {"REGEDIT4\n[HKCU\\A]\n\"n\"=dword:123456789\n",
         "line 3: expected a \"string\" or dword:XXXXXXXX"},
        {"REGEDIT4\n[HKCU\\A]\n\"n\" \"v\"\n", "line 3: expected '=' after the value name"},
        {"REGEDIT4\n[HKCU\\A]\nn=\"v\"\n", "line 3: expected a [key] or a \"quoted\" value name"},
        {"REGEDIT4\n[HKCU\\A]\n\"n\"=\"v\" x\n", "line 3: unexpected text after the closing quote"},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry;
        ASSERT_TRUE(registry.CreateKey(kHKCU, "Kept"));
        std::istringstream text(c.text);
        std::string error;
        EXPECT_FALSE(registry.Load(text, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_TRUE(registry.KeyExists(kHKCU, "Kept")) << c.text;
    }
}

}  // namespace
}  // namespace host
