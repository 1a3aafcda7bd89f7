// The registrar's registry over the real one, in a scratch key of the current user.
#include <gtest/gtest.h>

#include <algorithm>

#include "win32/win32_registry_model.h"

namespace win32 {
namespace {

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
