// Jumping to the bytes a match may begin with must find exactly what starting the machine at
// every position finds, from every start and in both directions.
#include "workbench/find_skip.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "workbench/find_pattern.h"
#include "workbench/find_vm.h"

namespace {

std::string Show(std::optional<workbench::MatchRange> match) {
    return match ? std::to_string(match->begin) + "-" + std::to_string(match->end) : "none";
}

TEST(FindSkipTest, FindsWhatAFullScanFinds) {
    struct Case {
        const char* pattern;
        bool matchCase;
        std::string text;
    };
    const char* const step = "(\\n\\{)|(\\n[a-zA-Z#])|(\\n/\\*)";
    const Case cases[] = {
        // Line breaks at the first byte, at the last, CR LF, lone CR, lone LF, a mix.
        {step, true, "\nA  x\n {\n#"},
        {step, true, "  x\r\n  y\r\n{\r\nz\r\n"},
        {step, true, "a\r\r\rb\r /*\r/*"},
        {step, true, "\r\n\n\r\r\nq\n\r{\r"},
        {"\\nb", true, "a\r\nb\rb\n\r\nb"},
        {"a\\n", true, "a\r\na\ra\n\r\na"},
        {"\\n\\n", true, "\r\n\r\r\n\n\r"},
        // Case folded into a small set; more first bytes than memchr takes; a repeat that may
        // read nothing before its byte.
        {"ab", false, "xAbyaBxab"},
        {"[a-z]1", true, "A1 b1\nz1"},
        {"x*y|z", true, "aaxxyazxy"},
        {".b", true, "\nb\r\nbab"},
        {"[^a]b", true, "ab\r\nbcb"},
        // Bounded length: backward, a match's end must lie close behind a byte it begins with.
        {"a.c", true, "abcxxxa\r\ncabc a"},
        {"(xy|z)\\n?q", true, "xyq zq z\r\nq xy\nq zzq"},
        {"a\\n\\n", true, "a\r\n\r\n a\n\r a\r\r\n"},
    };
    for (const Case& c : cases) {
        const auto root = workbench::ParseFindPattern(c.pattern, c.matchCase);
        ASSERT_TRUE(root) << c.pattern;
        for (bool mirrored : {false, true}) {
            const workbench::FindProgram fast = workbench::CompileFindPattern(*root, mirrored);
            workbench::FindProgram full = fast;
            full.first.set();
            full.begins.set();
            full.longest = workbench::FindProgram::kUnbounded;
            for (std::size_t at = 0; at <= c.text.size(); ++at) {
                SCOPED_TRACE(std::string(c.pattern) + (mirrored ? " backward" : " forward") +
                             " at " + std::to_string(at));
                if (mirrored) {
                    EXPECT_EQ(Show(workbench::RunFindBackward(fast, c.text, at)),
                              Show(workbench::RunFindBackward(full, c.text, at)));
                } else {
                    EXPECT_EQ(Show(workbench::RunFindForward(fast, c.text, at)),
                              Show(workbench::RunFindForward(full, c.text, at)));
                }
            }
        }
    }
}

TEST(FindSkipTest, LongestMatch) {
    struct Case {
        const char* pattern;
        std::size_t longest;
    };
    constexpr std::size_t unbounded = workbench::FindProgram::kUnbounded;
    const Case cases[] = {
        {"abc", 3},        {"\\n", 2},
        {"a|bcd", 3},      {"ab?", 2},
        {"a*", unbounded}, {"(a|b)+", unbounded},
        {"\\n\\n", 4},     {"(\\n\\{)|(\\n/\\*)", 4},
    };
    for (const Case& c : cases) {
        const auto root = workbench::ParseFindPattern(c.pattern, true);
        ASSERT_TRUE(root) << c.pattern;
        for (bool mirrored : {false, true})
            EXPECT_EQ(workbench::CompileFindPattern(*root, mirrored).longest, c.longest)
                << c.pattern;
    }
}

TEST(FindSkipTest, JumpsToTheNearestByteOfTheSet) {
    struct Case {
        const char* set;
        std::string text;
        std::size_t from;
        std::size_t forward;
        std::size_t backward;
    };
    constexpr std::size_t none = workbench::FirstByteSkip::npos;
    const Case cases[] = {
        {"\r\n", "ab\ncd\r\ne", 0, 2, none}, {"\r\n", "ab\ncd\r\ne", 3, 5, 2},
        {"\r\n", "ab\ncd\r\ne", 9, none, 6}, {"", "abc", 0, none, none},
        {"abcdef", "xxfxxa", 3, 5, 2},
    };
    for (const Case& c : cases) {
        workbench::ByteSet set;
        for (const char* b = c.set; *b; ++b)
            set.set(static_cast<unsigned char>(*b));
        EXPECT_EQ(workbench::FirstByteSkip(set).Forward(c.text, c.from), c.forward) << c.from;
        EXPECT_EQ(workbench::FirstByteSkip(set).Backward(c.text, c.from), c.backward) << c.from;
    }
}

}  // namespace
