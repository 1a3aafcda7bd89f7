// The line-feed view of a text that the cursor counts lines in.
#include "analysis/line_feeds.h"

#include <gtest/gtest.h>

TEST(WithLfLines, MakesEveryLoneCrAnLfAndKeepsEveryOffset) {
    const struct {
        std::string text, expected;
    } cases[] = {
        {"", ""},
        {"a\nb\r\n", "a\nb\r\n"},
        {"a\rb\r", "a\nb\n"},
        {"\r\r\n\n\r", "\n\r\n\n\n"},
        {std::string("a\r\0\r", 4), std::string("a\n\0\n", 4)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(analysis::WithLfLines(c.text), c.expected) << testing::PrintToString(c.text);
}
