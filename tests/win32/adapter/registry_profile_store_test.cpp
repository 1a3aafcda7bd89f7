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
    static void WriteRaw(const char* name, DWORD type, const void* data, DWORD size) {
        const std::string path = std::string(kTestKey) + "\\Options";
        EXPECT_EQ(SHSetValueA(HKEY_CURRENT_USER, path.c_str(), name, type, data, size),
                  ERROR_SUCCESS);
    }

    RegistryProfileStore store{kTestKey};
};

TEST_F(RegistryProfileStoreTest, NumbersAndTextsRoundTripAndAbsentOnesReadAsMissing) {
    EXPECT_FALSE(store.ReadInt("Options", "Paste Space"));
    EXPECT_FALSE(store.ReadString("Options", "Author"));
    for (std::int32_t value : {0, -1, static_cast<std::int32_t>(0x80000000)}) {
        ASSERT_TRUE(store.WriteInt("Options", "Paste Space", value));
        EXPECT_EQ(store.ReadInt("Options", "Paste Space"), value);
    }
    for (const std::string& text :
         {std::string(),
          std::string("cpp\x01"
                      "c\x01"),
          std::string("C:\\dir with space\\caf\xE9"), std::string(5000, 'x')}) {
        ASSERT_TRUE(store.WriteString("Clean", "Directory", text));
        EXPECT_EQ(store.ReadString("Clean", "Directory"), text);
    }
    EXPECT_FALSE(store.ReadInt("Options", "Paste Comment"));
    EXPECT_FALSE(store.ReadInt("Windows", "Paste Space"));
}

TEST_F(RegistryProfileStoreTest, AValueOfAnotherTypeReadsAsMissing) {
    ASSERT_TRUE(store.WriteInt("Options", "Number", 5));
    ASSERT_TRUE(store.WriteString("Options", "Text", "5"));
    EXPECT_FALSE(store.ReadString("Options", "Number"));
    EXPECT_FALSE(store.ReadInt("Options", "Text"));
    WriteRaw("Expandable", REG_EXPAND_SZ, "%TEMP%", 7);
    EXPECT_FALSE(store.ReadString("Options", "Expandable"));
    WriteRaw("Binary", REG_BINARY, "\1\0\0\0", 4);
    EXPECT_FALSE(store.ReadInt("Options", "Binary"));

    // Rewriting with the other type replaces the value.
    ASSERT_TRUE(store.WriteString("Options", "Number", "now text"));
    EXPECT_FALSE(store.ReadInt("Options", "Number"));

    // A text stored without its terminator still reads whole.
    WriteRaw("Raw", REG_SZ, "abc", 3);
    EXPECT_EQ(store.ReadString("Options", "Raw"), "abc");
}

TEST_F(RegistryProfileStoreTest, ClearingASectionLeavesTheOthers) {
    ASSERT_TRUE(store.WriteInt("Setup", "7.1", 1));
    ASSERT_TRUE(store.WriteInt("Setup", "8.0", 1));
    ASSERT_TRUE(store.WriteInt("Options", "Paste Space", 1));
    EXPECT_TRUE(store.ClearSection("Setup"));
    EXPECT_FALSE(store.ReadInt("Setup", "7.1"));
    EXPECT_FALSE(store.ReadInt("Setup", "8.0"));
    EXPECT_EQ(store.ReadInt("Options", "Paste Space"), 1);
    EXPECT_TRUE(store.ClearSection("Never Written"));
}

}  // namespace
}  // namespace win32
