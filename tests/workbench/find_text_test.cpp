#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/annotated_text.h"
#include "support/temp_dir.h"
#include "workbench/matcher.h"
#include "workbench/workbench.h"

namespace {

using testing_support::Annotate;
using testing_support::ParseAnnotated;

class FindTextTest : public ::testing::Test {
  protected:
    // Runs one find on a document made from the annotated text and gives the result annotated,
    // marked when nothing was found.
    std::string Find(const std::string& annotated, const std::string& pattern, long options) {
        testing_support::Annotated parsed = ParseAnnotated(annotated);
        std::string error;
        document_ = bench_.OpenFile(
            dir_.Write("find" + std::to_string(++files_) + ".txt", parsed.text).string(), error);
        std::size_t caret = parsed.caret.value_or(0);
        bench_.SetSelectionOffsets(document_, parsed.anchor.value_or(caret), caret);
        const bool found =
            document_->ActiveWindow()->Object()->Selection()->FindText(pattern, options);
        auto offsets = bench_.SelectionOffsets(document_);
        return Annotate(*bench_.DocumentText(document_), offsets->anchor, offsets->caret) +
               (found ? "" : " (none)");
    }

    testing_support::TempDir dir_;
    workbench::Workbench bench_;
    ide::Ref<ide::Document> document_;
    int files_ = 0;
};

TEST_F(FindTextTest, DirectionStartAndCase) {
    constexpr long kCase = ide::kFindMatchCase, kRegex = ide::kFindRegExpr;
    constexpr long kUp = ide::kFindBackwards, kStart = ide::kFindFromStart;
    constexpr long kAtCaret = ide::kFindPassThrough;  // a match at the caret counts
    const struct {
        const char* before;
        const char* pattern;
        long options;
        const char* after;
    } cases[] = {
        {"x^ ab ab", "ab", 0, "x [[ab]] ab"},
        {"x ^ab ab", "ab", kAtCaret, "x [[ab]] ab"},
        {"x [[ab]] ab", "ab", 0, "x ab [[ab]]"},
        {"a^b", "ab", 0, "a^b (none)"},
        {"ab a^b", "ab", kUp, "[[ab]] ab"},
        {"ab [[ab]]", "ab", kUp, "ab [[ab]]"},
        {"ab a^b", "ab", kStart, "[[ab]] ab"},
        {"a^b ab", "ab", kStart | kUp, "ab [[ab]]"},
        {"^AB ab", "ab", 0, "[[AB]] ab"},
        {"^AB ab", "ab", kCase, "AB [[ab]]"},
        {"aaa^", "aa", kUp, "a[[aa]]"},
        {"^aabaabaaab", "aabaaab", 0, "aab[[aabaaab]]"},
        {"^abc", "x", 0, "^abc (none)"},
        {"^abc", "", 0, "^abc (none)"},
        {"^a\r\nb", "\r\nb", 0, "a[[\r\nb]]"},
        {"^a\r\nb", "\nb", 0, "^a\r\nb (none)"},
        // Regular expressions keep the same rules.
        {"ab a^b ab", "a.", kRegex, "ab ab [[ab]]"},
        {"x^ab", "a.", kRegex | kAtCaret, "x[[ab]]"},
        {"ab a^b ab", "a.", kRegex | kUp, "[[ab]] ab ab"},
        {"ab ab^", "a.", kRegex | kUp | kAtCaret, "ab [[ab]]"},
        {"a^b ab", "a.", kRegex | kStart | kUp, "ab [[ab]]"},
        {"abc^", "a:b", kRegex | kUp | kAtCaret, "abc^ (none)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pattern << " from " << c.before);
        EXPECT_EQ(Find(c.before, c.pattern, c.options), c.after);
    }
}

// Gives the same range for every search; stands in for a regular-expression engine.
class FixedMatcher : public workbench::Matcher {
  public:
    explicit FixedMatcher(workbench::MatchRange range) : range_(range) {}
    std::optional<workbench::MatchRange> Next(std::string_view, std::size_t) const override {
        return range_;
    }
    std::optional<workbench::MatchRange> Previous(std::string_view, std::size_t) const override {
        return range_;
    }

  private:
    workbench::MatchRange range_;
};

TEST_F(FindTextTest, RegularExpressionsGoToThePluggedInEngine) {
    std::string seen;
    long seenOptions = 0;
    workbench::MatchRange range{1, 3};
    bench_.SetRegexMatcherFactory([&](const std::string& pattern, long options) {
        seen = pattern;
        seenOptions = options;
        return std::make_unique<FixedMatcher>(range);
    });
    EXPECT_EQ(Find("^a\r\nb", "\\n", ide::kFindRegExpr | ide::kFindPassThrough), "a[[\r\n]]b");
    EXPECT_EQ(seen, "\\n");
    EXPECT_EQ(seenOptions, ide::kFindRegExpr | ide::kFindPassThrough);

    // A match that breaks the engine's contract is no match.
    for (workbench::MatchRange split : {workbench::MatchRange{2, 4}, workbench::MatchRange{1, 2}}) {
        range = split;  // into the middle of the CR LF
        EXPECT_EQ(Find("^a\r\nb", "x", ide::kFindRegExpr), "^a\r\nb (none)");
    }
    range = {0, 1};
    EXPECT_EQ(Find("a^bc", "x", ide::kFindRegExpr), "a^bc (none)");
}

}  // namespace
