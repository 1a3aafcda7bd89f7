#include "analysis/text_cursor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

#include "support/annotated_text.h"

namespace analysis {
namespace {

using Op = std::function<int(TextCursor&)>;

// `^` marks the cursor in the texts of these tables.
TextCursor CursorAt(const std::string& annotated) {
    const testing_support::Annotated parsed = testing_support::ParseAnnotated(annotated);
    TextCursor cursor(parsed.text);
    cursor.SetPosition(static_cast<int>(parsed.caret.value_or(0)));
    return cursor;
}

Op Move(std::vector<int> steps) {
    return [=](TextCursor& c) {
        bool moved = false;
        for (int n : steps)
            moved = c.Move(n);
        return moved;
    };
}
Op SetPosition(int at) {
    return [=](TextCursor& c) { return c.SetPosition(at); };
}
Op Goto(int line, int column) {
    return [=](TextCursor& c) { return c.GotoLineColumn(line, column); };
}
Op Skip(bool identifier, int direction) {
    return [=](TextCursor& c) {
        identifier ? c.SkipIdentifier(direction) : c.SkipWhitespace(direction);
        return 0;
    };
}
Op Find(int step, bool skipCommentLines, std::vector<std::string_view> strings) {
    return [=](TextCursor& c) { return c.FindAny(step, skipCommentLines, strings); };
}
const Op kLineStart = [](TextCursor& c) { return c.GotoLineStart(); };
const Op kColumn = [](TextCursor& c) { return c.DisplayColumn(); };
const Op kBracket = [](TextCursor& c) { return c.MatchBracket(); };

constexpr int kLfCount = -99;  // Line() is the number of LFs before the cursor

struct Row {
    const char* start;
    Op op;
    const char* end;
    int result;
    int line = kLfCount;
};

void Check(const std::vector<Row>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(testing::Message() << "row " << i << " from \"" << r.start << '"');
        TextCursor cursor = CursorAt(r.start);
        EXPECT_EQ(r.op(cursor), r.result);
        const auto at = static_cast<std::size_t>(cursor.Position());
        EXPECT_EQ(testing_support::Annotate(std::string(cursor.Text()), at, at), r.end);
        const auto text = cursor.Text();
        const int lfs = static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
        EXPECT_EQ(cursor.Line(), r.line == kLfCount ? lfs : r.line);
    }
}

TEST(TextCursor, EmptyTextRefusesEveryMove) {
    TextCursor cursor("");
    EXPECT_EQ(cursor.Current(), '\0');
    EXPECT_FALSE(cursor.Move(1));
    EXPECT_FALSE(cursor.GotoEnd());
    EXPECT_FALSE(cursor.GotoLineColumn(0, 0));
    EXPECT_TRUE(cursor.SetPosition(3));
    EXPECT_EQ(cursor.GetMark(), (CursorMark{0, 0}));
    EXPECT_EQ(TextCursor(nullptr).Length(), 0);
    EXPECT_EQ(TextCursor(std::string_view("ab\0cd", 5)).Length(), 2);
}

TEST(TextCursor, MovesClampAndKeepTheirLineCount) {
    Check({
        {"a^bc", Move({1}), "ab^c", true},
        {"ab^c", Move({1}), "ab^c", false},
        {"ab^c", Move({-5}), "^abc", false},
        // Reaching the end counts the final LF the cursor then stands on.
        {"^a\n", Move({5}), "a^\n", false, 1},
        // Backward, the LF left behind is counted one step late.
        {"a\n^b", Move({-1}), "a^\nb", true, 1},
        {"a\n^b", Move({-1, -1}), "^a\nb", true, 0},
        {"a^\nb", Move({-1}), "^a\nb", true, -1},
        {"\n^a", Move({-3}), "^\na", false, 0},
        {"^a\nb", SetPosition(2), "a\n^b", true},
        {"^a\nb", SetPosition(99), "a\n^b", false},  // the last character
        {"a\nb^\n", SetPosition(4), "a\nb^\n", false, 2},
        {"ab\r\ncd\r\nef", Goto(1, 1), "ab\r\nc^d\r\nef", true},
        {"a\nb\n0123456789\nz", Goto(2, 50), "a\nb\n0123456789^\nz", false},
        {"a\nbc", Goto(1, 2), "a\nb^c", false},  // ran into the end
        {"a\nb", Goto(5, 0), "a\n^b", false},
        {"a\nb\n", Goto(2, 0), "a\nb^\n", false, 2},  // the end counts the whole text
        {"a\n^bb\nccc", Goto(2, 3), "a\nbb\ncc^c", false},
        {"ab\ncd", Goto(-1, 1), "a^b\ncd", false},
        {"ab\ncd", Goto(1, -1), "ab\n^cd", false},
        {"ab\n\tcd^e", kLineStart, "ab\n^\tcde", true},
        {"ab^c", kLineStart, "^abc", true},
        {"ab^\ncd", kLineStart, "ab\n^cd", true},  // from a line end to the next line
        {"ab^\r\ncd", kLineStart, "ab\r^\ncd", true},
        {"ab^\n", kLineStart, "ab^\n", false, 1},
        {"ab\n\tcd^e", kColumn, "ab\n\tcd^e", 6},
        {"  \t^x", kColumn, "  \t^x", 4},
        {"ab^\ncd", kColumn, "ab^\ncd", 0},
        {"ab^\r\ncd", kColumn, "ab^\r\ncd", 0},
        {" operator<^= x", Skip(true, -1), "^ operator<= x", 0},
        {"^abc", Skip(true, 1), "ab^c", 0},
        {"a ~Foo_^1", Skip(true, -1), "a^ ~Foo_1", 0},
        {"a^;b", Skip(true, 1), "a^;b", 0},
        {"a^ \t\r\n b", Skip(false, 1), "a \t\r\n ^b", 0},
        {"a \t^ b", Skip(false, -1), "^a \t b", 0},
        {"a^ b", Skip(false, 0), "a^ b", 0},
    });
}

TEST(TextCursor, FindAnyTakesTheNearestPositionThenTheFirstStringInOrder) {
    Check({
        {"^ab class struct", Find(1, false, {"struct", "class"}), "ab ^class struct", 1},
        {"^classy", Find(1, false, {"x", "classy", "class"}), "^classy", 1},
        {"class a\nstruct ^b", Find(-1, false, {"class", "struct"}), "class a\n^struct b", 1},
        {"^ab cla", Find(1, false, {"class"}), "^ab cla", -1},  // would run past the end
        {"^a\nb\nc", Find(1, false, {"c"}), "a\nb\n^c", 0},     // the last character
        {"^abc", Find(1, false, {"", "b"}), "a^bc", 1},
        {"^xclass", Find(0, false, {"class"}), "^xclass", -1},
        {"^// class a\n  // class b\n\tclass c", Find(1, true, {"class"}),
         "// class a\n  // class b\n\t^class c", 0},
        {"^int a; // class\n", Find(1, true, {"class"}), "int a; // ^class\n", 0},
        {"  class c\r\n  // class d ^x", Find(-1, true, {"class"}), "  ^class c\r\n  // class d x",
         0},
        // White space trimmed off a line start includes line ends.
        {"a\n\n  //\n ^x", Find(-1, true, {"\n"}), "a^\n\n  //\n x", 0},
    });
    TextCursor outside("class");
    outside.SetMark({-1, 0});
    EXPECT_EQ(outside.FindAny(1, false, {"class"}), -1);
}

TEST(TextCursor, MatchBracketFindsThePartnerAroundComments) {
    Check({
        {"^(a(b)c)", kBracket, "(a(b)c^)", true},
        {"^<a<b>>", kBracket, "<a<b>^>", true},
        {"^{ /* } */ }", kBracket, "{ /* } */ ^}", true},
        {"^{ // }\r\n}", kBracket, "{ // }\r\n^}", true},
        {"^{ // }", kBracket, "{ // ^}", true},                  // no line end to jump to
        {"// ^{ /* } */ }", kBracket, "// { /* ^} */ }", true},  // in a // comment: text
        {"g(f(a, // (\n b)^)", kBracket, "g^(f(a, // (\n b))", true},
        // A lone opener in the comment completes the match before its "//" is seen.
        {"f(a // (\n b^)", kBracket, "f(a // ^(\n b)", true},
        {"^(a(b)", kBracket, "^(a(b)", false},
        {"(a)^)", kBracket, "(a)^)", false},
        {"^(\")\")", kBracket, "(\"^)\")", true},  // literals are not recognised
    });
}

TEST(TextCursor, MarksAndSlicesClipToTheText) {
    TextCursor cursor = CursorAt("hel^lo\nworld");
    const CursorMark here = cursor.GetMark();
    EXPECT_EQ(cursor.MarkAt(4), (CursorMark{7, -1}));
    EXPECT_EQ(cursor.Slice(here, cursor.MarkAt(4)), "lo\nw");
    EXPECT_EQ(cursor.Slice(cursor.MarkAt(-9), cursor.MarkAt(99)), "hello\nworld");
    EXPECT_EQ(cursor.SliceFrom(cursor.MarkAt(4)), "orld");
    EXPECT_EQ(cursor.Mid(7, 99) + cursor.Mid(2, -1), "orld");
    // A MarkAt mark restores its uncounted line as it is.
    cursor.SetMark(cursor.MarkAt(5));
    EXPECT_EQ(cursor.GetMark(), (CursorMark{8, -1}));
}

}  // namespace
}  // namespace analysis
