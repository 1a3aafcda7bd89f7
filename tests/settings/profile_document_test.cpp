#include "settings/profile_document.h"

#include <gtest/gtest.h>

#include <set>
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

// Sections named again and again, each time with more values than the room made for the last
// visit, and names spelled anew in another case after the index has grown several times.
TEST(ProfileDocumentTest, LargeSectionsVisitedManyTimesKeepEveryValueOnce) {
    const std::string key = "[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\";
    std::string text = "REGEDIT4\n";
    std::set<int> respelled;
    int names = 0;
    for (int visit = 1; visit <= 6; ++visit) {
        text += key + "Big]\n";
        for (int i = 0; i < 40 * visit; ++i, ++names)
            text += "\"Name" + std::to_string(names) + "\"=dword:00000001\n";
        respelled.insert(names / 2);
        text += "\"NAME" + std::to_string(names / 2) + "\"=dword:00000002\n";
        text += key + "Small" + std::to_string(visit % 2) + "]\n\"v" + std::to_string(visit) +
                "\"=\"x\"\n";
    }
    const ProfileDocument document = ParseOrFail(text);
    for (int i = 0; i < names; ++i) {
        const ProfileValue* value = document.Find("big", "name" + std::to_string(i));
        ASSERT_NE(value, nullptr) << i;
        EXPECT_EQ(*value, ProfileValue(respelled.contains(i) ? 2 : 1)) << i;
    }
    EXPECT_EQ(document.Find("Big", "Name" + std::to_string(names)), nullptr);
    const std::string serialized = document.Serialize();
    EXPECT_EQ(serialized.find("NAME"), std::string::npos);
    const std::string tail = "\"Name" + std::to_string(names - 1) + "\"=dword:00000001\n\n" + key +
                             "Small1]\n\"v1\"=\"x\"\n\"v3\"=\"x\"\n\"v5\"=\"x\"\n\n" + key +
                             "Small0]\n";
    EXPECT_NE(serialized.find(tail), std::string::npos);
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
