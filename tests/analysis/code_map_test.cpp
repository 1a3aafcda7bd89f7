#include "analysis/code_map.h"

#include <gtest/gtest.h>

#include <string>

namespace analysis {
namespace {

// Each row's mask has '-' under what is not code; a stretch of them is one stretch of non-code.
TEST(CodeMap, TellsCodeFromCommentsLiteralsAndDirectives) {
    const struct {
        std::string text;
        std::string mask;
    } rows[] = {
        {"a /* { */ b", "  -------  "},
        {"a // {\nb", "  ----\n "},
        {"a // x\r\nb", "  ----\r\n "},
        {"f(\"{\\\"\", '}', '\\'')", "  -----  ---  ---- "},
        {"s = \"open\nt = 'x", "    -----\n    --"},  // a literal ends at its line's end
        {"  #define X {\\\n  }\nx", "  ----------------\n "},
        {"#if A // {\n/**/\"\"x", "----------\n------ "},
        {"x # y {", "       "},  // '#' inside a line starts nothing
        {"/* never closed {", "-----------------"},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(row.text.size(), row.mask.size()) << row.text;
        CodeMap map(row.text);
        std::string mask;
        std::size_t runStart = CodeMap::kNone;
        for (std::size_t i = 0; i < row.text.size(); ++i) {
            const std::size_t start = map.NonCodeStart(i);
            const bool code = row.mask[i] != '-';
            if (!code && (i == 0 || row.mask[i - 1] != '-'))
                runStart = i;
            EXPECT_EQ(start, code ? CodeMap::kNone : runStart) << row.text << " at " << i;
        }
    }
}

TEST(CodeMap, PairsTheBracesOfTheCode) {
    const struct {
        std::string text;
        std::string closings;  // "open:close" per brace of the code, "-" when unclosed
    } rows[] = {
        {"{ { } }", "0:6 2:4"}, {"{ \"}\" '}' /* } */ // }\n}", "0:23"}, {"{ {\n}", "0:- 2:4"},
        {"} { } }", "2:4"},     {"#define B {\n{ }", "12:14"},           {"", ""},
    };
    for (const auto& row : rows) {
        CodeMap map(row.text);
        std::string closings;
        for (std::size_t at = 0, brace; (brace = map.BraceFrom(at)) != CodeMap::kNone;) {
            const std::size_t close = map.Closing(brace);
            closings += (closings.empty() ? "" : " ") + std::to_string(map.Open(brace)) + ":" +
                        (close == CodeMap::kNone ? "-" : std::to_string(close));
            at = map.Open(brace) + 1;
        }
        EXPECT_EQ(closings, row.closings) << row.text;
    }
}

}  // namespace
}  // namespace analysis
