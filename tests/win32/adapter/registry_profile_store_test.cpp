#include "win32/registry_profile_store.h"

#include <gtest/gtest.h>

#include "win32/win_api.h"

#include <shlwapi.h>

namespace win32 {
namespace {

// A key of its own, so registration tests sharing the prefix never see these values.
constexpr const char* kTestKey = "Software\\Tarn\\Zentrel2 Adapter Test";

class RegistryProfileStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }

    // Writes a value of any type behind the store's back.
    static void WriteRaw(const char* section, const char* name, DWORD type, const void* data,
                         DWORD size) {
        const std::string path = std::string(kTestKey) + "\\" + section;
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    RegistryProfileStore store{kTestKey};
};

TEST_F(RegistryProfileStoreTest, NumbersAndTextsRoundTrip) {
    for (std::int32_t value : {0, 1, -1, 0x7FFFFFFF, static_cast<std::int32_t>(0x80000000)}) {
        ASSERT_TRUE(store.WriteInt("Options", "Paste Space", value));
        EXPECT_EQ(store.ReadInt("Options", "Paste Space"), value);
    }
    for (const std::string text : {"",
                                   "cpp\x01"
                                   "c\x01"
                                   "cc\x01",
                                   "CRegistry::Error", "C:\\dir with space\\", "caf\xE9"}) {
        ASSERT_TRUE(store.WriteString("Clean", "Directory", text));
        EXPECT_EQ(store.ReadString("Clean", "Directory"), text);
    }
}

TEST_F(RegistryProfileStoreTest, AbsentValuesAndSectionsReadAsMissing) {
    EXPECT_FALSE(store.ReadInt("Options", "Paste Space"));
    EXPECT_FALSE(store.ReadString("Options", "Code Templates Author"));
    ASSERT_TRUE(store.WriteInt("Options", "Paste Space", 1));
    EXPECT_FALSE(store.ReadInt("Options", "Paste Comment"));
    EXPECT_FALSE(store.ReadInt("Windows", "Paste Space"));
}

TEST_F(RegistryProfileStoreTest, AValueOfTheOtherTypeReadsAsMissing) {
    ASSERT_TRUE(store.WriteInt("Options", "Number", 5));
    ASSERT_TRUE(store.WriteString("Options", "Text", "5"));
    EXPECT_FALSE(store.ReadString("Options", "Number"));
    EXPECT_FALSE(store.ReadInt("Options", "Text"));

    const char expandable[] = "%TEMP%";
    WriteRaw("Options", "Expandable", REG_EXPAND_SZ, expandable, sizeof(expandable));
    EXPECT_FALSE(store.ReadString("Options", "Expandable"));
    const unsigned char binary[4] = {1, 0, 0, 0};
    WriteRaw("Options", "Binary", REG_BINARY, binary, sizeof(binary));
    EXPECT_FALSE(store.ReadInt("Options", "Binary"));

    // Rewriting with the other type replaces the value.
    ASSERT_TRUE(store.WriteString("Options", "Number", "now text"));
    EXPECT_FALSE(store.ReadInt("Options", "Number"));
    EXPECT_EQ(store.ReadString("Options", "Number"), "now text");
}

TEST_F(RegistryProfileStoreTest, TextsWithoutTheirTerminatorReadWhole) {
    const char unterminated[] = {'a', 'b', 'c'};
    WriteRaw("Options", "Raw", REG_SZ, unterminated, sizeof(unterminated));
    EXPECT_EQ(store.ReadString("Options", "Raw"), "abc");
    const std::string longText(5000, 'x');
    ASSERT_TRUE(store.WriteString("Options", "Long", longText));
    EXPECT_EQ(store.ReadString("Options", "Long"), longText);
}

TEST_F(RegistryProfileStoreTest, ClearingASectionLeavesTheOthers) {
    ASSERT_TRUE(store.WriteInt("Setup", "7.1", 1));
    ASSERT_TRUE(store.WriteInt("Setup", "8.0", 1));
    ASSERT_TRUE(store.WriteInt("Options", "Paste Space", 1));
    EXPECT_TRUE(store.ClearSection("Setup"));
    EXPECT_FALSE(store.ReadInt("Setup", "7.1"));
    EXPECT_FALSE(store.ReadInt("Setup", "8.0"));
    EXPECT_EQ(store.ReadInt("Options", "Paste Space"), 1);
    EXPECT_TRUE(store.ClearSection("Setup"));
    EXPECT_TRUE(store.ClearSection("Never Written"));
}

TEST(RegistryProfileKeyTest, LivesUnderTheUsersSoftwareKey) {
    RegistryProfileStore store;
    ASSERT_TRUE(store.WriteInt("Adapter Test", "Marker", 7));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tarn\\Zentrel2\\Adapter Test", 0,
                            KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    EXPECT_EQ(
        RegQueryValueExA(key, "Marker", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 7u);
    EXPECT_TRUE(store.ClearSection("Adapter Test"));
}

}  // namespace
}  // namespace win32
