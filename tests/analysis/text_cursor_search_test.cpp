#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "analysis/text_cursor.h"
#include "cursor_at.h"

namespace analysis {
namespace {

TEST(FindAny, NearestPositionThenFirstStringInOrder) {
    const struct {
        const char* start;
        int step;
        bool skipCommentLines;
        std::vector<std::string_view> strings;
        int result;
        const char* end;
    } cases[] = {
        {"^ab class struct", 1, false, {"struct", "class"}, 1, "ab ^class struct"},
        {"^classy", 1, false, {"x", "classy", "class"}, 1, "^classy"},
        {"class a\nstruct ^b", -1, false, {"class", "struct"}, 1, "class a\n^struct b"},
        {"^ab cla", 1, false, {"class"}, -1, "^ab cla"},  // would run past the end
        {"^a\nb\nc", 1, false, {"c"}, 0, "a\nb\n^c"},     // the last character
        {"^abc", 1, false, {"", "b"}, 1, "a^bc"},
        {"^xclass", 0, false, {"class"}, -1, "^xclass"},
        {"^// class a\n  // class b\n\tclass c",
         1,
         true,
         {"class"},
         0,
         "// class a\n  // class b\n\t^class c"},
        {"^int a; // class\n", 1, true, {"class"}, 0, "int a; // ^class\n"},
        {"  class c\r\n  // class d ^x", -1, true, {"class"}, 0, "  ^class c\r\n  // class d x"},
        // White space trimmed off a line start includes line ends.
        {"a\n\n  //\n ^x", -1, true, {"\n"}, 0, "a^\n\n  //\n x"},
    };
    for (const auto& c : cases) {
        TextCursor cursor = CursorAt(c.start);
        EXPECT_EQ(cursor.FindAny(c.step, c.skipCommentLines, c.strings), c.result) << c.start;
        EXPECT_EQ(Where(cursor), c.end) << c.start;
        EXPECT_EQ(cursor.Line(), LfBefore(cursor)) << c.start;
    }
    TextCursor outside("class");
    outside.SetMark({-1, 0});
    EXPECT_EQ(outside.FindAny(1, false, {"class"}), -1);
}

TEST(MatchBracket, FindsThePartnerAroundComments) {
    const struct {
        const char* start;
        const char* end;  // nullptr: no match, the cursor stays
    } cases[] = {
        {"^(a(b)c)", "(a(b)c^)"},
        {"^<a<b>>", "<a<b>^>"},
        {"^{ /* } */ }", "{ /* } */ ^}"},
        {"^{ // }\r\n}", "{ // }\r\n^}"},
        {"^{ // }", "{ // ^}"},                  // no line end to jump to
        {"// ^{ /* } */ }", "// { /* ^} */ }"},  // in a // comment markers are text
        {"g(f(a, // (\n b)^)", "g^(f(a, // (\n b))"},
        // A lone opener in the comment completes the match before its "//" is seen.
        {"f(a // (\n b^)", "f(a // ^(\n b)"},
        {"^(a(b)", nullptr},
        {"(a)^)", nullptr},
        {"^(\")\")", "(\"^)\")"},  // literals are not recognised
    };
    for (const auto& c : cases) {
        TextCursor cursor = CursorAt(c.start);
        const CursorMark before = cursor.GetMark();
        EXPECT_EQ(cursor.MatchBracket(), c.end != nullptr) << c.start;
        EXPECT_EQ(Where(cursor), c.end != nullptr ? c.end : c.start) << c.start;
        if (c.end == nullptr) {
            EXPECT_EQ(cursor.GetMark(), before) << c.start;
        } else {
            EXPECT_EQ(cursor.Line(), LfBefore(cursor)) << c.start;
        }
    }
}

}  // namespace
}  // namespace analysis
