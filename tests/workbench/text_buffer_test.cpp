// The line index of a document's bytes: where each line starts and where its text ends.
#include "workbench/text_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using workbench::LineEndStyle;
using workbench::TextBuffer;

using Lines = std::vector<std::pair<std::size_t, std::size_t>>;  // start, end of each line

Lines LinesOf(const TextBuffer& buffer) {
    Lines lines;
    for (long line = 0; line < buffer.LineCount(); ++line)
        lines.emplace_back(buffer.LineStart(line), buffer.LineEnd(line));
    return lines;
}

TEST(TextBuffer, IndexesEveryKindOfLineBreak) {
    const struct {
        std::string text;
        Lines lines;
        LineEndStyle style;
    } cases[] = {
        {"", {{0, 0}}, LineEndStyle::kLf},
        {"ab", {{0, 2}}, LineEndStyle::kLf},
        {"a\nb\n", {{0, 1}, {2, 3}, {4, 4}}, LineEndStyle::kLf},
        {"a\r\nb", {{0, 1}, {3, 4}}, LineEndStyle::kCrLf},
        {"a\rb\r", {{0, 1}, {2, 3}, {4, 4}}, LineEndStyle::kCr},
        {"\r\n\r\n", {{0, 0}, {2, 2}, {4, 4}}, LineEndStyle::kCrLf},
        // A CR before a CR LF ends a line of its own; an LF before a CR too.
        {"a\r\r\nb", {{0, 1}, {2, 2}, {4, 5}}, LineEndStyle::kCr},
        {"a\n\rb", {{0, 1}, {2, 2}, {3, 4}}, LineEndStyle::kLf},
        {"x\ny\r\nz\rw", {{0, 1}, {2, 3}, {5, 6}, {7, 8}}, LineEndStyle::kLf},
    };
    for (const auto& c : cases) {
        const TextBuffer buffer(c.text);
        EXPECT_EQ(LinesOf(buffer), c.lines) << testing::PrintToString(c.text);
        EXPECT_EQ(buffer.Style(), c.style) << testing::PrintToString(c.text);
        for (long line = 0; line < buffer.LineCount(); ++line) {
            EXPECT_EQ(buffer.LineOf(buffer.LineEnd(line)), line) << testing::PrintToString(c.text);
        }
    }
}

TEST(TextBuffer, AReplacementReindexesTheLinesAfterIt) {
    TextBuffer buffer("a\r\nb\r\nc");
    buffer.Replace(2, 2, "x");  // "a\rx\nb\r\nc": the pair's CR now ends a line alone
    EXPECT_EQ(LinesOf(buffer), (Lines{{0, 1}, {2, 3}, {4, 5}, {7, 8}}));
    buffer.Replace(4, 8, "");
    EXPECT_EQ(LinesOf(buffer), (Lines{{0, 1}, {2, 3}, {4, 4}}));
}

}  // namespace
