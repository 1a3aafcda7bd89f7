// The registry as the profile store and the registrar's model see it, each in a scratch key of
// the current user, so registration tests sharing the prefix never see these values.
#include <gtest/gtest.h>

#include <algorithm>

#include "win32/registry_profile_store.h"
#include "win32/win32_registry_model.h"
#include "win32/win_api.h"

#include <shlwapi.h>

namespace win32 {
namespace {

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

using registration::RegistryRoot;
using registration::RegistryValue;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr const char* kScratch = "Software\\ZentrelTests";

class SystemRegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registry_.DeleteTree(kUser, kScratch)); }
    void TearDown() override { registry_.DeleteTree(kUser, kScratch); }

    static std::string Path(const std::string& below) {
        return std::string(kScratch) + "\\" + below;
    }
    static std::vector<std::string> Sorted(std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        return names;
    }

    SystemRegistry registry_;
};

TEST_F(SystemRegistryTest, CreatesMissingParentsAndDeletesWholeTrees) {
    EXPECT_FALSE(registry_.KeyExists(kUser, Path("A")));
    ASSERT_TRUE(registry_.CreateKey(kUser, Path("A\\B\\C")));
    ASSERT_TRUE(registry_.CreateKey(kUser, Path("A\\D")));
    EXPECT_TRUE(registry_.KeyExists(kUser, Path("a\\b")));  // names ignore case
    EXPECT_EQ(Sorted(registry_.SubKeys(kUser, Path("A"))), (std::vector<std::string>{"B", "D"}));

    ASSERT_TRUE(registry_.SetValue(kUser, Path("A\\B\\C"), "Kept", RegistryValue{"x"}));
    EXPECT_TRUE(registry_.DeleteTree(kUser, Path("A")));
    EXPECT_FALSE(registry_.KeyExists(kUser, Path("A")));
    EXPECT_TRUE(registry_.DeleteTree(kUser, Path("A"))) << "an absent key is no failure";
    EXPECT_FALSE(registry_.DeleteTree(kUser, "")) << "a root cannot be deleted";
}

TEST_F(SystemRegistryTest, StringsAndNumbersRoundTripWithTheirTypes) {
    ASSERT_TRUE(registry_.CreateKey(kUser, Path("V")));
    const std::string longText(5000, 'q');
    ASSERT_TRUE(registry_.SetValue(kUser, Path("V"), "", RegistryValue{"default text"}));
    ASSERT_TRUE(registry_.SetValue(kUser, Path("V"), "Long", RegistryValue{longText}));
    ASSERT_TRUE(registry_.SetValue(kUser, Path("V"), "Number", RegistryValue{0xFFFFFFFEu}));
    EXPECT_FALSE(registry_.SetValue(kUser, Path("NoKey"), "X", RegistryValue{1u}));

    EXPECT_EQ(registry_.GetValue(kUser, Path("V"), ""), RegistryValue{"default text"});
    EXPECT_EQ(registry_.GetValue(kUser, Path("V"), "long"), RegistryValue{longText});
    EXPECT_EQ(registry_.GetValue(kUser, Path("V"), "Number"), RegistryValue{0xFFFFFFFEu});
    EXPECT_EQ(registry_.GetValue(kUser, Path("NoKey"), "Number"), std::nullopt);
    EXPECT_EQ(Sorted(registry_.ValueNames(kUser, Path("V"))),
              (std::vector<std::string>{"", "Long", "Number"}));

    EXPECT_TRUE(registry_.DeleteValue(kUser, Path("V"), "Number"));
    EXPECT_TRUE(registry_.DeleteValue(kUser, Path("V"), "Number")) << "already gone";
    EXPECT_EQ(registry_.GetValue(kUser, Path("V"), "Number"), std::nullopt);
}

TEST_F(SystemRegistryTest, ValuesOfOtherTypesReadAsMissing) {
    const wchar_t* key = L"Software\\ZentrelTests\\T";
    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Binary", REG_BINARY, "\1\2\3", 3);
    // A text stored without its terminator still reads whole.
    RegSetKeyValueW(HKEY_CURRENT_USER, key, L"Bare", REG_SZ, L"abc", 3 * sizeof(wchar_t));

    EXPECT_EQ(registry_.GetValue(kUser, Path("T"), "Binary"), std::nullopt);
    EXPECT_EQ(registry_.GetValue(kUser, Path("T"), "Bare"), RegistryValue{"abc"});
}

}  // namespace
}  // namespace win32
