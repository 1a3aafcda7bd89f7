// The line index of a document's bytes: where each line starts and where its text ends.
#include "workbench/text_buffer.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(TextBuffer, IndexesEveryKindOfLineBreak) {
    using Lines = std::vector<std::pair<std::size_t, std::size_t>>;  // start and end of each line
    const std::string x15(15, 'x');  // a CR LF pair across the edge of 16 bytes read at once
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {{0, 0}}},
        // A CR before a CR LF ends a line of its own, and so does an LF before a CR.
        {"a\r\r\nb\n\rc", {{0, 1}, {2, 2}, {4, 5}, {6, 6}, {7, 8}}},
        {x15 + "\r\n" + x15 + "x\r", {{0, 15}, {17, 33}, {34, 34}}},
    };
    for (const auto& c : cases) {
        const workbench::TextBuffer buffer(c.text);
        Lines lines;
        for (long line = 0; line < buffer.LineCount(); ++line)
            lines.emplace_back(buffer.LineStart(line), buffer.LineEnd(line));
        EXPECT_EQ(lines, c.lines) << testing::PrintToString(c.text);
    }
}
