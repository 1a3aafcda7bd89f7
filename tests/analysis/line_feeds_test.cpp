// The line-feed view of a text that the cursor counts lines in.
#include "analysis/line_feeds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using analysis::CountLineFeeds;
using analysis::WithLfLines;

TEST(WithLfLines, MakesEveryLoneCrAnLfAndKeepsEveryOffset) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"", ""},
        {"int a;", "int a;"},
        {"a\nb\n", "a\nb\n"},
        {"a\r\nb\r\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\nb\n"},
        {"\r", "\n"},
        {"\r\r\n\r", "\n\r\n\n"},
        {"a\n\rb\r\n\nc\r", "a\n\nb\r\n\nc\n"},
        {std::string("a\r\0\rb", 5), std::string("a\n\0\nb", 5)},
    };
    for (const auto& c : cases) {
        const std::string converted = WithLfLines(c.text);
        EXPECT_EQ(converted, c.expected) << testing::PrintToString(c.text);
        EXPECT_EQ(CountLineFeeds(converted),
                  std::count(c.expected.begin(), c.expected.end(), '\n'));
    }
}

}  // namespace
