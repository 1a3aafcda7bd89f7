#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace settings {
namespace {

ProfileDocument ParseOrFail(const std::string& text) {
    auto parsed = ProfileDocument::Parse(text);
    if (const auto* error = std::get_if<ProfileDocument::ParseError>(&parsed)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->reason;
        return {};
    }
    return std::get<ProfileDocument>(parsed);
}

TEST(ProfileDocumentTest, EveryByteButNulRoundTrips) {
    std::string everyByte;
    for (int c = 1; c < 256; ++c) {
        everyByte += static_cast<char>(c);
    }
    ProfileDocument document;
    ASSERT_TRUE(document.Set("Options", "Author", "\"Q\" \\ \\x01 \r\n end\\"));
    ASSERT_TRUE(document.Set("Options", everyByte, everyByte));
    ASSERT_TRUE(document.Set("Odd]\\Key \"[x", "@", 0x7fffffff));
    ASSERT_TRUE(document.Set(" ", "n", static_cast<std::int32_t>(0x80000000u)));
    ASSERT_TRUE(document.Set("", "", -1));
    const std::string text = document.Serialize();
    EXPECT_EQ(ParseOrFail(text), document) << text;

    using namespace std::string_literals;  // what the text form cannot hold is refused
    EXPECT_FALSE(document.Set("Options", "n", "a\0b"s));
    EXPECT_FALSE(document.Set("Options", "a\0b"s, 1));
    EXPECT_FALSE(document.Set("Opt\nions", "n", 1));
    EXPECT_EQ(document.Serialize(), text);
}

// Names ignore case as the registry's do: a later spelling updates the first, which stays.
TEST(ProfileDocumentTest, AcceptsWhatAnEditorOrImportMightLeave) {
    ProfileDocument document = ParseOrFail(
        "; written by hand\r\n"
        "\r\n"
        "  REGEDIT4  \r\n"
        "[hkey_current_user\\software\\tarn\\zentrel2\\Options]\r\n"
        "\t\"A\" = dword:7FFFFFFF \r\n"
        "\"B\"=DWORD:1\n"
        "\"C\"=\"first\"\n"
        "[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Other]\n"
        "; \"C\"=\"commented\"\n"
        "[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\OPTIONS]\n"
        "\"c\"=\"raw\ttab and \xe9\"\n"
        "@=\"\"");
    EXPECT_EQ(*document.Find("options", "a"), ProfileValue(0x7fffffff));
    EXPECT_EQ(*document.Find("Options", "B"), ProfileValue(1));
    EXPECT_EQ(*document.Find("Options", "C"), ProfileValue("raw\ttab and \xe9"));
    EXPECT_EQ(*document.Find("Options", ""), ProfileValue(""));
    EXPECT_EQ(document.Find("Other", "C"), nullptr);
    ASSERT_TRUE(document.Set("other", "New", 2));
    EXPECT_EQ(document.Serialize(),
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
              "\"A\"=dword:7fffffff\n\"B\"=dword:00000001\n\"C\"=\"raw\\x09tab and \xe9\"\n@=\"\"\n"
              "\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Other]\n\"New\"=dword:00000002\n");
    EXPECT_TRUE(document.RemoveSection("OPTIONS"));
    EXPECT_FALSE(document.RemoveSection("Options"));
    EXPECT_EQ(document.Find("Options", "A"), nullptr);
    EXPECT_EQ(*document.Find("OTHER", "new"), ProfileValue(2));

    EXPECT_EQ(ParseOrFail("\n \r\n"), ProfileDocument());
}

TEST(ProfileDocumentTest, MalformedTextNamesTheLine) {
    using namespace std::string_literals;
    const std::string header = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\S]\n";
    struct Case {
        std::string text;
        std::size_t line;
    } cases[] = {
        {"Windows Registry Editor Version 5.00\n", 1},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Other]\n", 2},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2X]\n", 2},
        {"REGEDIT4\n[-HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2]\n", 2},
        {header + "\"A\"=hex:01,02\n", 3},
        {header + "\"A\"=dword:123456789\n", 3},
        {header + "\"A\"=\"open\n", 3},
        {header + "\"A\"=\"bad \\n escape\"\n", 3},
        {header + "\"A\"=\"\\x00\"\n", 3},
        {header + "A=\"x\"\n", 3},
        {header + "\n\"A\"=\"nul\0\"\n"s, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto parsed = ProfileDocument::Parse(c.text);
        const auto* error = std::get_if<ProfileDocument::ParseError>(&parsed);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->line, c.line) << error->reason;
        EXPECT_FALSE(error->reason.empty());
    }
}

}  // namespace
}  // namespace settings
