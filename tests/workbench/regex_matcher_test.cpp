// The regular-expression engine on its own: the syntax it takes, what it rejects, and the
// matches it picks in either direction.
#include "workbench/regex_matcher.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <regex>
#include <string>

#include "editor/ide.h"
#include "support/annotated_text.h"
#include "workbench/find_pattern.h"

namespace {

using testing_support::Annotate;

constexpr long kRegex = ide::kFindRegExpr;
constexpr long kCase = ide::kFindRegExpr | ide::kFindMatchCase;

// The first match from the start of the text, shown as `[[...]]` in it.
std::string First(const std::string& pattern, long options, const std::string& text) {
    std::unique_ptr<workbench::Matcher> matcher = workbench::MakeRegexMatcher(pattern, options);
    if (!matcher)
        return "rejected";
    std::optional<workbench::MatchRange> match = matcher->Next(text, 0);
    return match ? Annotate(text, match->begin, match->end) : "no match";
}

TEST(RegexMatcherTest, Syntax) {
    struct Case {
        const char* pattern;
        long options;
        std::string text;
        std::string found;
    };
    // Repeats and alternation are checked against std::regex below; these are the rest.
    const Case cases[] = {
        {"abc", kCase, "ABC abc", "ABC [[abc]]"},
        {"a.c", kRegex, "a\nc a\rc abc", "a\nc a\rc [[abc]]"},
        // \n is one line break of any kind; CR LF is one, never two.
        {"a\\nb", kRegex, "a\r\nb", "[[a\r\nb]]"},
        {"a\\nb", kRegex, "a\n\rb a\rb", "a\n\rb [[a\rb]]"},
        {"a\\n\\nb", kRegex, "a\n\rb", "[[a\n\rb]]"},
        {"a\\n\\nb", kRegex, "a\r\nb", "no match"},
        {"\\nb", kRegex, "a\r\nb", "a[[\r\nb]]"},
        {"a\\tb", kRegex, "a b a\tb", "a b [[a\tb]]"},
        {"\\{\\}\\*\\:\\(\\)\\~", kRegex, "x{}*:()~", "x[[{}*:()~]]"},
        {"\\.\\\\\\[\\]\\|\\+\\?\\^\\$\\#\\@\\<\\>\\-\\/", kRegex, "a.\\[]|+?^$#@<>-/",
         "a[[.\\[]|+?^$#@<>-/]]"},
        {"[a-c]+", kRegex, "xxbCay", "xx[[bCa]]y"},
        {"[a-c]+", kCase, "xxbCay", "xx[[b]]Cay"},
        {"[^a]", kRegex, "aA\n\rb", "aA\n\r[[b]]"},
        {"[\\t\\]]+", kRegex, "x\t]x", "x[[\t]]]x"},
        {"[-a]+", kRegex, "x-a-", "x[[-a-]]"},
        {"[a^]+", kRegex, "x^a", "x[[^a]]"},
        {"(\\n\\{)|(\\n[a-zA-Z#])|(\\n/\\*)", kRegex, "a\r\n\r\n_\r\nG", "a\r\n\r\n_[[\r\nG]]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(First(c.pattern, c.options, c.text), c.found) << "pattern " << c.pattern;
    }
}

TEST(RegexMatcherTest, RejectsWhatItDoesNotSupport) {
    // One of each kind: unbalanced, empty, unknown escape, unsupported operator, unescaped
    // special, misplaced repeat or alternative, bad class, raw line break.
    const char* const patterns[] = {
        "",   "(ab", "ab)",   "[ab",   "[]",     "[^]", "ab\\", "\\d",  "\\1", "\\x41", "a{2}",
        "~a", "a:b", "a@",    "^a",    "a$",     "<a",  "]",    "*a",   "a**", "a+?",   "a|",
        "|a", "()",  "[z-a]", "[\\n]", "[[:a]]", "[é]", "a\nb", "a\rb", "\\ ",
    };
    for (const char* pattern : patterns) {
        std::string error;
        EXPECT_FALSE(workbench::ParseFindPattern(pattern, false, &error)) << pattern;
        EXPECT_FALSE(error.empty()) << pattern;
        EXPECT_EQ(workbench::MakeRegexMatcher(pattern, kRegex), nullptr) << pattern;
    }
    const std::string nested(workbench::kMaxPatternGroupDepth, '(');
    const std::string closed(workbench::kMaxPatternGroupDepth, ')');
    EXPECT_NE(workbench::MakeRegexMatcher(nested + "a" + closed, kRegex), nullptr);
    EXPECT_EQ(workbench::MakeRegexMatcher("(" + nested + "a" + closed + ")", kRegex), nullptr);
}

TEST(RegexMatcherTest, ForwardFromAnOffsetAndBackwardUntilOne) {
    struct Case {
        const char* pattern;
        std::string text;
        std::size_t at;
        bool backward;
        std::string found;
    };
    // Plain searches either way are checked against std::regex below.
    const Case cases[] = {
        {"b", "ab", 9, true, "a[[b]]"},
        // Backward, the match that ends nearest; repeats reach back as far as they can.
        {"a+", "aaa b aaa", 8, true, "aaa b [[aa]]a"},
        {"b|ab", "xab", 3, true, "xa[[b]]"},
        {"ab|b", "xab", 3, true, "x[[ab]]"},
        // Never from or to the middle of a CR LF.
        {"\\n", "a\r\nb", 2, false, "no match"},
        {"\\n", "a\r\nb", 2, true, "no match"},
        {"\\nb", "a\r\nb", 4, true, "a[[\r\nb]]"},
        {"a\\n", "a\r\nb", 0, false, "[[a\r\n]]b"},
        {"\\n", "a\rb\nc", 5, true, "a\rb[[\n]]c"},
        {"\\n\\n", "a\r\r\nb", 5, true, "a[[\r\r\n]]b"},
    };
    for (const Case& c : cases) {
        auto matcher = workbench::MakeRegexMatcher(c.pattern, kRegex);
        ASSERT_NE(matcher, nullptr) << c.pattern;
        std::optional<workbench::MatchRange> match =
            c.backward ? matcher->Previous(c.text, c.at) : matcher->Next(c.text, c.at);
        EXPECT_EQ(match ? Annotate(c.text, match->begin, match->end) : "no match", c.found)
            << c.pattern << (c.backward ? " backward until " : " forward from ") << c.at;
    }
}

// Random patterns over a small alphabet, where the syntax agrees with ECMAScript's: forward, the
// match must be the one a backtracking engine finds first; backward, one that ends nearest.
// Repeats go only on what cannot match the empty text, where the two engines agree.
std::string RandomPattern(std::mt19937& random, int depth, bool& nullable) {
    const auto pick = [&](int n) { return static_cast<int>(random() % n); };
    std::string out;
    nullable = true;
    for (int parts = pick(3) + 1; parts > 0; --parts) {
        bool partNullable = false;
        std::string part = std::array{"a", "b", ".", "[ab]", "[^a]"}[pick(5)];
        if (depth > 0 && pick(6) == 0)
            part = "(" + RandomPattern(random, depth - 1, partNullable) + ")";
        if (!partNullable && pick(3) == 0) {
            part += "*+?"[pick(3)];
            partNullable = part.back() != '+';
        }
        out += part;
        nullable = nullable && partNullable;
    }
    if (depth > 0 && pick(4) == 0) {
        bool otherNullable = false;
        out += "|" + RandomPattern(random, depth - 1, otherNullable);
        nullable = nullable || otherNullable;
    }
    return out;
}

TEST(RegexMatcherTest, AgreesWithABacktrackingEngineOnRandomPatterns) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 200; ++round) {
        bool nullable = false;
        const std::string pattern = RandomPattern(random, 2, nullable);
        std::string text;
        for (int i = 0; i < 12; ++i)
            text += "abc"[random() % 3];
        auto matcher = workbench::MakeRegexMatcher(pattern, kCase);
        ASSERT_NE(matcher, nullptr) << pattern;
        const std::regex reference(pattern);
        const auto matches = [&](std::size_t begin, std::size_t end) {
            return std::regex_match(text.substr(begin, end - begin), reference);
        };
        for (std::size_t at = 0; at <= text.size(); ++at) {
            SCOPED_TRACE("pattern " + pattern + " on " + text + " at " + std::to_string(at));
            std::smatch expected;
            std::optional<workbench::MatchRange> match = matcher->Next(text, at);
            if (std::regex_search(text.cbegin() + static_cast<long>(at), text.cend(), expected,
                                  reference, std::regex_constants::match_not_null)) {
                ASSERT_TRUE(match);
                EXPECT_EQ(match->begin, at + static_cast<std::size_t>(expected.position(0)));
                EXPECT_EQ(match->end - match->begin, static_cast<std::size_t>(expected.length(0)));
            } else {
                EXPECT_FALSE(match);
            }
            std::optional<std::size_t> nearestEnd;
            for (std::size_t end = at; end > 0 && !nearestEnd; --end) {
                for (std::size_t begin = 0; begin < end && !nearestEnd; ++begin) {
                    if (matches(begin, end))
                        nearestEnd = end;
                }
            }
            match = matcher->Previous(text, at);
            ASSERT_EQ(match.has_value(), nearestEnd.has_value());
            if (match) {
                EXPECT_EQ(match->end, *nearestEnd);
                EXPECT_LT(match->begin, match->end);
                EXPECT_TRUE(matches(match->begin, match->end));
            }
        }
    }
}

TEST(RegexMatcherTest, NestedRepeatsOverALongTextRunInOnePass) {
    const std::string text(100000, 'a');
    for (const char* pattern : {"(a*)*b", "((a|aa)+)+\\n"}) {
        auto matcher = workbench::MakeRegexMatcher(pattern, kRegex);
        ASSERT_NE(matcher, nullptr) << pattern;
        EXPECT_FALSE(matcher->Next(text, 0)) << pattern;
        EXPECT_FALSE(matcher->Previous(text, text.size())) << pattern;
    }
    auto matcher = workbench::MakeRegexMatcher("(a*)*", kRegex);
    std::optional<workbench::MatchRange> all = matcher->Next(text, 0);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->end, text.size());
}

}  // namespace
