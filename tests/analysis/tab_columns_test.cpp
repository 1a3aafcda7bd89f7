#include "analysis/tab_columns.h"

#include <gtest/gtest.h>

namespace analysis {
namespace {

TEST(ColumnWidth, CountsTabStopsUpToTheLineEnd) {
    const struct {
        std::string_view text;
        bool stopAtNonBlank;
        int width;
    } cases[] = {
        {"", false, 0},      {"a\tb", false, 5},     {"\t\tx", false, 9},       {"   \tx", true, 4},
        {"  x  y", true, 2}, {"ab\r\ncd", false, 2}, {{"ab\0cd", 5}, false, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnWidth(c.text, c.stopAtNonBlank), c.width)
            << '"' << c.text << "\" stop=" << c.stopAtNonBlank;
    }
}

TEST(MakeIndent, TabsThenSpaces) {
    EXPECT_EQ(MakeIndent(6, false), "\t  ");
    EXPECT_EQ(MakeIndent(3, false), "   ");
    EXPECT_EQ(MakeIndent(-2, true), "\t");
    EXPECT_EQ(MakeIndent(0, false), "");
}

TEST(PadToColumn, ReachesTheColumnFromTheTrimmedText) {
    const struct {
        std::string_view text;
        int column;
        std::string padded;
    } cases[] = {
        {"int x;", 12, "int x;\t\t"},  // tab to 8, then one more
        {"int x; \t\r\n", 12, "int x;\t\t"},
        {"int x;", 7, "int x; "},  // short of the tab stop: spaces
        {"int x;", 6, "int x;"},
        {"int x;  ", 3, "int x;"},
        {"", 5, "\t "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadToColumn(c.text, c.column), c.padded) << '"' << c.text << "\" to " << c.column;
    }
}

}  // namespace
}  // namespace analysis
