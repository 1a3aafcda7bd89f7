#include "lsp/utf16_position.h"

#include <gtest/gtest.h>

namespace {

using lsp::LineIndex;
using lsp::Position;

// Each row: a text, a position, the byte offset it names, and the position that offset
// converts back to (different where the position was clamped).
struct Case {
    const char* name;
    std::string_view text;
    Position position;
    std::size_t offset;
    Position back;
};

const Case kCases[] = {
    {"first line", "ab\ncd", {0, 1}, 1, {0, 1}},
    {"LF line", "ab\ncd", {1, 2}, 5, {1, 2}},
    {"CR LF line", "ab\r\ncd", {1, 1}, 5, {1, 1}},
    {"lone CR ends a line", "ab\rcd", {1, 0}, 3, {1, 0}},
    {"past a CR LF line's end clamps before the break", "ab\r\ncd", {0, 9}, 2, {0, 2}},
    {"past a lone CR line's end", "ab\rcd", {0, 5}, 2, {0, 2}},
    {"past the last line: the end", "ab\ncd", {7, 0}, 5, {1, 2}},
    {"empty text", "", {0, 3}, 0, {0, 0}},
    {"after a final break", "ab\n", {1, 0}, 3, {1, 0}},
    {"two-byte character is one unit", "\xc3\xa9x", {0, 1}, 2, {0, 1}},
    {"three-byte character is one unit",
     "\xe2\x82\xac"
     "x",
     {0, 1},
     3,
     {0, 1}},
    {"astral character is two units", "\xf0\x9f\x98\x80x", {0, 2}, 4, {0, 2}},
    {"inside a surrogate pair: the character's start", "\xf0\x9f\x98\x80x", {0, 1}, 0, {0, 0}},
    {"invalid byte is one unit", "\xff\xc3x", {0, 2}, 2, {0, 2}},
    {"truncated sequence at the end", "a\xe2\x82", {0, 3}, 3, {0, 3}},
    {"overlong form is bytes", "\xc0\xafx", {0, 2}, 2, {0, 2}},
    {"encoded surrogate is bytes", "\xed\xa0\x80x", {0, 3}, 3, {0, 3}},
    {"non-ASCII after CR LF", "\xc3\xa9\r\n\xf0\x9f\x98\x80\xc3\xa9", {1, 3}, 10, {1, 3}},
};

TEST(LineIndex, ConvertsPositionsBothWays) {
    for (const Case& c : kCases) {
        const LineIndex index(c.text);
        const std::size_t offset = index.Offset(c.position);
        EXPECT_EQ(offset, c.offset) << c.name;
        const Position back = index.At(offset);
        EXPECT_EQ(back.line, c.back.line) << c.name;
        EXPECT_EQ(back.character, c.back.character) << c.name;
    }
}

TEST(LineIndex, OffsetsInsideABreakOrACharacterCountFromItsStart) {
    const struct {
        std::string_view text;
        std::size_t offset;
        Position position;
    } cases[] = {
        {"ab\r\ncd", 3, {0, 2}},
        {"\xf0\x9f\x98\x80x", 2, {0, 0}},
        {"ab", 99, {0, 2}},
    };
    for (const auto& c : cases) {
        const Position position = LineIndex(c.text).At(c.offset);
        EXPECT_EQ(position, c.position) << c.text << " at " << c.offset;
    }
}

}  // namespace
