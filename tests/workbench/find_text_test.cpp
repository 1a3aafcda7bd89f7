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
    // Runs one find on a document made from the annotated text and gives the result annotated.
    std::string Find(const std::string& annotated, const std::string& pattern, long options,
                     bool& found) {
        testing_support::Annotated parsed = ParseAnnotated(annotated);
        std::string error;
        document_ = bench_.OpenFile(
            dir_.Write("find" + std::to_string(++files_) + ".txt", parsed.text).string(), error);
        std::size_t caret = parsed.caret.value_or(0);
        bench_.SetSelectionOffsets(document_, parsed.anchor.value_or(caret), caret);
        found = document_->ActiveWindow()->Object()->Selection()->FindText(pattern, options);
        auto offsets = bench_.SelectionOffsets(document_);
        return Annotate(*bench_.DocumentText(document_), offsets->anchor, offsets->caret);
    }

    testing_support::TempDir dir_;
    workbench::Workbench bench_;
    ide::Ref<ide::Document> document_;
    int files_ = 0;
};

TEST_F(FindTextTest, PlainText) {
    struct Case {
        const char* name;
        const char* before;
        const char* pattern;
        long options;
        const char* after;
        bool found;
    };
    const Case cases[] = {
        {"down from the caret", "x^ ab ab", "ab", 0, "x [[ab]] ab", true},
        {"a match at the caret counts", "x ^ab ab", "ab", 512, "x [[ab]] ab", true},
        {"down from the end of a selection", "x [[ab]] ab", "ab", 0, "x ab [[ab]]", true},
        {"down skips a match begun before", "a^b", "ab", 0, "a^b", false},
        {"up ends at or before the caret", "ab a^b", "ab", 128, "[[ab]] ab", true},
        {"up from the end of a match finds it", "ab [[ab]]", "ab", 128, "ab [[ab]]", true},
        {"from start", "ab a^b", "ab", 256, "[[ab]] ab", true},
        {"from start upward is from the end", "a^b ab", "ab", 384, "ab [[ab]]", true},
        {"case folded", "^AB ab", "ab", 0, "[[AB]] ab", true},
        {"match case", "^AB ab", "ab", 4, "AB [[ab]]", true},
        {"overlapping down", "^aaa", "aa", 0, "[[aa]]a", true},
        {"overlapping up", "aaa^", "aa", 128, "a[[aa]]", true},
        {"partial matches restart", "^aabaabaaab", "aabaaab", 0, "aab[[aabaaab]]", true},
        {"no match", "^abc", "x", 0, "^abc", false},
        {"empty pattern", "^abc", "", 0, "^abc", false},
        {"across a line break", "^a\r\nb", "\r\nb", 0, "a[[\r\nb]]", true},
        {"half a CR LF is no match", "^a\r\nb", "\nb", 0, "^a\r\nb", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool found = false;
        EXPECT_EQ(Find(c.before, c.pattern, c.options, found), c.after);
        EXPECT_EQ(found, c.found);
    }
}

TEST_F(FindTextTest, RegularExpressions) {
    struct Case {
        const char* name;
        const char* before;
        const char* pattern;
        long options;
        const char* after;
        bool found;
    };
    const Case cases[] = {
        {"down begins at or after the caret", "ab a^b ab", "a.", 8, "ab ab [[ab]]", true},
        {"down from the caret itself", "x^ab", "a.", 520, "x[[ab]]", true},
        {"up ends at or before the caret", "ab a^b ab", "a.", 136, "[[ab]] ab ab", true},
        {"up may end at the caret", "ab ab^", "a.", 648, "ab [[ab]]", true},
        {"from start", "ab a^b", "a.", 264, "[[ab]] ab", true},
        {"from start upward is from the end", "a^b ab", "a.", 392, "ab [[ab]]", true},
        {"case folded", "^AB ab", "[a]b", 8, "[[AB]] ab", true},
        {"match case", "^AB ab", "[a]b", 12, "AB [[ab]]", true},
        {"no match", "^abc", "b\\n", 8, "^abc", false},
        {"a pattern outside the syntax finds nothing", "^abc", "a{2}", 8, "^abc", false},
        {"nor upward", "abc^", "a:b", 648, "abc^", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool found = false;
        EXPECT_EQ(Find(c.before, c.pattern, c.options, found), c.after);
        EXPECT_EQ(found, c.found);
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
    bool found = false;
    EXPECT_EQ(Find("^a\r\nb", "\\n", 520, found), "a[[\r\n]]b");
    EXPECT_TRUE(found);
    EXPECT_EQ(seen, "\\n");
    EXPECT_EQ(seenOptions, 520);

    // A match that breaks the engine's contract is no match.
    range = {2, 4};
    EXPECT_EQ(Find("^a\r\nb", "x", 8, found), "^a\r\nb");
    EXPECT_FALSE(found);
    range = {0, 1};
    EXPECT_EQ(Find("a^bc", "x", 8, found), "a^bc");
    EXPECT_FALSE(found);
}

}  // namespace
