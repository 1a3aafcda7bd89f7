// The registry as the profile store and the registrar's model see it, in a scratch key of the
// current user, so registration tests sharing the prefix never see these values.
#include <gtest/gtest.h>

#include <algorithm>

#include "win32/registry_profile_store.h"
#include "win32/win32_registry_model.h"
#include "win32/win_api.h"

namespace win32 {
namespace {

using registration::RegistryValue;

constexpr const char* kTestKey = "Software\\Tarn\\Zentrel2 Adapter Test";
constexpr registration::RegistryRoot kUser = registration::RegistryRoot::CurrentUser;

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registry_.DeleteTree(kUser, kTestKey)); }
    void TearDown() override { registry_.DeleteTree(kUser, kTestKey); }

    static std::string Path(const std::string& below) {
        return std::string(kTestKey) + "\\" + below;
    }
    static std::vector<std::string> Sorted(std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        return names;
    }

    RegistryProfileStore store_{kTestKey};
    SystemRegistry registry_;
};

TEST_F(RegistryTest, ProfileNumbersAndTextsRoundTripAndAbsentOnesReadAsMissing) {
    EXPECT_FALSE(store_.ReadInt("Options", "Paste Space"));
    EXPECT_FALSE(store_.ReadString("Options", "Author"));
    for (std::int32_t value : {0, -1, static_cast<std::int32_t>(0x80000000)}) {
        ASSERT_TRUE(store_.WriteInt("Options", "Paste Space", value));
        EXPECT_EQ(store_.ReadInt("Options", "Paste Space"), value);
    }
    for (const std::string& text :
         {std::string(),
          std::string("cpp\x01"
                      "c\x01"),
          std::string("C:\\dir with space\\caf\xE9"), std::string(5000, 'x')}) {
        ASSERT_TRUE(store_.WriteString("Clean", "Directory", text));
        EXPECT_EQ(store_.ReadString("Clean", "Directory"), text);
    }
    EXPECT_FALSE(store_.ReadInt("Windows", "Paste Space"));
    // Rewriting with the other type replaces the value.
    ASSERT_TRUE(store_.WriteString("Options", "Paste Space", "now text"));
    EXPECT_FALSE(store_.ReadInt("Options", "Paste Space"));

    ASSERT_TRUE(store_.WriteInt("Setup", "7.1", 1));
    EXPECT_TRUE(store_.ClearSection("Setup"));
    EXPECT_FALSE(store_.ReadInt("Setup", "7.1"));
    EXPECT_EQ(store_.ReadString("Options", "Paste Space"), "now text");
    EXPECT_TRUE(store_.ClearSection("Never Written"));
}

// Values written behind both readers' backs: each takes only the types it knows, and a text
// stored without its terminator reads whole.
TEST_F(RegistryTest, ValuesOfOtherTypesReadAsMissing) {
    const struct {
        const char* name;
        DWORD type;
        std::string bytes;
        std::optional<std::int32_t> number;
        std::optional<std::string> text;
        std::optional<RegistryValue> value;  // as the registrar reads it
    } cases[] = {
        {"Number", REG_DWORD, std::string("\5\0\0\0", 4), 5, {}, RegistryValue{5u}},
        {"Text", REG_SZ, std::string("5", 2), {}, "5", RegistryValue{"5"}},
        {"Expandable", REG_EXPAND_SZ, std::string("%TEMP%", 7), {}, {}, RegistryValue{"%TEMP%"}},
        {"Binary", REG_BINARY, std::string("\1\0\0\0", 4), {}, {}, {}},
        {"Bare", REG_SZ, "abc", {}, "abc", RegistryValue{"abc"}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, Path("Options").c_str(), c.name, c.type,
                                  c.bytes.data(), static_cast<DWORD>(c.bytes.size())),
                  ERROR_SUCCESS);
        EXPECT_EQ(store_.ReadInt("Options", c.name), c.number) << c.name;
        EXPECT_EQ(store_.ReadString("Options", c.name), c.text) << c.name;
        EXPECT_EQ(registry_.GetValue(kUser, Path("Options"), c.name), c.value) << c.name;
    }
}

TEST_F(RegistryTest, RegistrarCreatesMissingParentsAndDeletesWholeTrees) {
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

TEST_F(RegistryTest, RegistrarStringsAndNumbersRoundTripWithTheirTypes) {
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

}  // namespace
}  // namespace win32
