#include "analysis/text_cursor.h"

#include <gtest/gtest.h>

#include <vector>

#include "cursor_at.h"

namespace analysis {
namespace {

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

TEST(TextCursor, MoveStopsAtEitherEndAndCountsLfsLate) {
    const struct {
        const char* start;
        std::vector<int> moves;
        const char* end;
        int line;
        bool lastResult;
    } cases[] = {
        {"a^bc", {1}, "ab^c", 0, true},
        {"ab^c", {1}, "ab^c", 0, false},
        {"ab^c", {-5}, "^abc", 0, false},
        // Reaching the end counts the final LF the cursor then stands on.
        {"^a\n", {5}, "a^\n", 1, false},
        // Backward, the LF left behind is counted one step late.
        {"a\n^b", {-1}, "a^\nb", 1, true},
        {"a\n^b", {-1, -1}, "^a\nb", 0, true},
        {"a^\nb", {-1}, "^a\nb", -1, true},
        {"\n^a", {-3}, "^\na", 0, false},
    };
    for (const auto& c : cases) {
        TextCursor cursor = CursorAt(c.start);
        bool result = false;
        for (int steps : c.moves) {
            result = cursor.Move(steps);
        }
        EXPECT_EQ(Where(cursor), c.end) << c.start;
        EXPECT_EQ(cursor.Line(), c.line) << c.start;
        EXPECT_EQ(result, c.lastResult) << c.start;
    }
}

TEST(TextCursor, SetPositionClampsAndRecountsTheLine) {
    const struct {
        const char* text;
        int offset;
        int position;
        int line;
        bool result;
    } cases[] = {
        {"a\nb", 2, 2, 1, true},
        {"a\nb", 99, 2, 1, false},
        {"a\nb\n", 4, 3, 2, false},
    };
    for (const auto& c : cases) {
        TextCursor cursor(c.text);
        cursor.SetPosition(3);
        EXPECT_EQ(cursor.SetPosition(c.offset), c.result) << c.text << " at " << c.offset;
        EXPECT_EQ(cursor.GetMark(), (CursorMark{c.position, c.line}))
            << c.text << " at " << c.offset;
    }
}

TEST(TextCursor, GotoLineColumn) {
    const struct {
        const char* start;
        int line;
        int column;
        const char* end;
        int lineAfter;
        bool result;
    } cases[] = {
        {"ab\r\ncd\r\nef", 1, 1, "ab\r\nc^d\r\nef", 1, true},
        {"a\nb\n0123456789\nz", 2, 50, "a\nb\n0123456789^\nz", 2, false},
        {"a\nbc", 1, 2, "a\nb^c", 1, false},  // ran into the end
        {"a\nb", 5, 0, "a\n^b", 1, false},
        {"a\nb\n", 2, 0, "a\nb^\n", 2, false},  // the end keeps the count of the whole text
        {"a\n^bb\nccc", 2, 3, "a\nbb\ncc^c", 2, false},
        {"ab\ncd", -1, 1, "a^b\ncd", 0, false},
        {"ab\ncd", 1, -1, "ab\n^cd", 1, false},
    };
    for (const auto& c : cases) {
        TextCursor cursor = CursorAt(c.start);
        EXPECT_EQ(cursor.GotoLineColumn(c.line, c.column), c.result) << c.start;
        EXPECT_EQ(Where(cursor), c.end) << c.start;
        EXPECT_EQ(cursor.Line(), c.lineAfter) << c.start;
    }
}

TEST(TextCursor, GotoLineStartAndDisplayColumn) {
    const struct {
        const char* start;
        const char* lineStart;
        int line;
        bool result;
        int column;
    } cases[] = {
        {"ab\n\tcd^e", "ab\n^\tcde", 1, true, 6}, {"ab^c", "^abc", 0, true, 2},
        {"ab^\ncd", "ab\n^cd", 1, true, 0},  // from a line end to the next line
        {"ab^\r\ncd", "ab\r^\ncd", 0, true, 0},   {"ab^\n", "ab^\n", 1, false, 0},
        {"  \t^x", "^  \tx", 0, true, 4},
    };
    for (const auto& c : cases) {
        TextCursor cursor = CursorAt(c.start);
        EXPECT_EQ(cursor.DisplayColumn(), c.column) << c.start;
        EXPECT_EQ(cursor.GotoLineStart(), c.result) << c.start;
        EXPECT_EQ(Where(cursor), c.lineStart) << c.start;
        EXPECT_EQ(cursor.Line(), c.line) << c.start;
    }
}

TEST(TextCursor, SkipWhitespaceAndIdentifiers) {
    const struct {
        const char* start;
        bool identifier;
        int direction;
        const char* end;
    } cases[] = {
        {" operator<^= x", true, -1, "^ operator<= x"},
        {"^abc", true, 1, "ab^c"},
        {"a ~Foo_^1", true, -1, "a^ ~Foo_1"},
        {"a^;b", true, 1, "a^;b"},
        {"a^ \t\r\n b", false, 1, "a \t\r\n ^b"},
        {"a \t^ b", false, -1, "^a \t b"},
        {"a^ b", false, 0, "a^ b"},
    };
    for (const auto& c : cases) {
        TextCursor cursor = CursorAt(c.start);
        if (c.identifier) {
            cursor.SkipIdentifier(c.direction);
        } else {
            cursor.SkipWhitespace(c.direction);
        }
        EXPECT_EQ(Where(cursor), c.end) << c.start << " direction " << c.direction;
    }
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
