#include "workbench/selection.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "support/annotated_text.h"
#include "support/temp_dir.h"
#include "workbench/matcher.h"
#include "workbench/workbench.h"

namespace {

using testing_support::Annotate;
using testing_support::ParseAnnotated;
using Operation = std::function<bool(ide::TextSelection&)>;

// A workbench with one document made from an annotated text.
class AnnotatedDocument {
  public:
    explicit AnnotatedDocument(const std::string& annotated) {
        testing_support::Annotated parsed = ParseAnnotated(annotated);
        std::string error;
        document_ = bench_.OpenFile(dir_.Write("doc.cpp", parsed.text).string(), error);
        std::size_t caret = parsed.caret.value_or(0);
        bench_.SetSelectionOffsets(document_, parsed.anchor.value_or(caret), caret);
    }

    ide::TextSelection& Selection() { return *document_->ActiveWindow()->Object()->Selection(); }
    std::string Text() const { return *bench_.DocumentText(document_); }
    std::string State() const {
        auto offsets = bench_.SelectionOffsets(document_);
        return Annotate(Text(), offsets->anchor, offsets->caret);
    }
    workbench::Workbench& Bench() { return bench_; }
    ide::Document& Document() { return *document_; }

  private:
    testing_support::TempDir dir_;
    workbench::Workbench bench_;
    ide::Ref<ide::Document> document_;
};

// Each row: the document before, the operation on its selection, the document after, and
// whether the operation succeeded.
struct Case {
    const char* before;
    Operation operation;
    const char* after;
    bool result = true;
};

void RunCases(const std::vector<Case>& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << "row " << i << " from \"" << c.before << '"');
        AnnotatedDocument document(c.before);
        const std::string text = document.Text();
        EXPECT_EQ(c.operation(document.Selection()), c.result);
        EXPECT_EQ(document.State(), c.after);
        // Only a change of text makes the document unsaved.
        EXPECT_EQ(document.Document().Saved(), document.Text() == text);
    }
}

TEST(SelectionTest, MovesAndEdits) {
    constexpr long kKeepEnd = ide::kInsertKeepEnd;
    RunCases({
        // A selection collapses to its end, which counts as one step.
        {"ab[[cd]]", [](auto& s) { return s.CharLeft(false, 2); }, "a^bcd"},
        {"ab^c", [](auto& s) { return s.CharLeft(true, 1); }, "a[[^b]]c"},
        // CR LF is one character; a lone CR is one too.
        {"ab\r\n^cd", [](auto& s) { return s.CharLeft(false, 1); }, "ab^\r\ncd"},
        {"a\r^b", [](auto& s) { return s.CharLeft(true, 2); }, "[[^a\r]]b"},
        {"a^b", [](auto& s) { return s.CharLeft(false, 9); }, "^ab"},
        {"a^b", [](auto& s) { return s.CharLeft(false, 0); }, "a^b", false},
        {"abc^d\nx\nlonger", [](auto& s) { return s.LineDown(false, 1); }, "abcd\nx^\nlonger"},
        // The column is kept across a short line.
        {"abc^d\nx\nlonger", [](auto& s) { return s.LineDown(false, 2); }, "abcd\nx\nlon^ger"},
        {"ab^c\r\nxyz", [](auto& s) { return s.LineDown(false, 1); }, "abc\r\nxy^z"},
        {"a^b\ncd", [](auto& s) { return s.LineDown(false, 7); }, "ab\nc^d"},
        {"a^bc\ndef", [](auto& s) { return s.LineDown(true, 1); }, "a[[bc\nd]]ef"},
        {"[[ab\ncd]]", [](auto& s) { return s.LineUp(false, 1); }, "ab^\ncd"},
        {"ab\nc^d", [](auto& s) { return s.StartOfDocument(true); }, "[[^ab\nc]]d"},
        {"a^b\r\ncd", [](auto& s) { return s.EndOfDocument(false); }, "ab\r\ncd^"},
        {"  \tab^c", [](auto& s) { return s.StartOfLine(0, false); }, "^  \tabc"},
        {"x\n  \tab^c", [](auto& s) { return s.StartOfLine(1, false); }, "x\n  \t^abc"},
        {"x\n ^  \ny", [](auto& s) { return s.StartOfLine(1, false); }, "x\n   ^\ny"},
        {"ab^c", [](auto& s) { return s.StartOfLine(2, false); }, "ab^c", false},
        {"^ab\r\ncd", [](auto& s) { return s.EndOfLine(false); }, "ab^\r\ncd"},
        {"a^b\ncd", [](auto& s) { return s.EndOfLine(true); }, "a[[b]]\ncd"},
        {"ab\r\nc^d\r\nef", [](auto& s) { return s.SelectLine(); }, "ab\r\n[[cd\r\n]]ef"},
        {"ab\nc^d", [](auto& s) { return s.SelectLine(); }, "ab\n[[cd]]"},
        {"ab\n^", [](auto& s) { return s.SelectLine(); }, "ab\n^"},
        {"a^b\ncd\nef", [](auto& s) { return s.GotoLine(2, false); }, "ab\n^cd\nef"},
        {"a^b\r\ncd\r\nef", [](auto& s) { return s.GotoLine(2, true); }, "ab\r\n[[cd\r\n]]ef"},
        {"a^b\ncd", [](auto& s) { return s.GotoLine(3, false); }, "a^b\ncd", false},
        {"a^b\ncd", [](auto& s) { return s.GotoLine(0, false); }, "a^b\ncd", false},
        {"^ab\ncd", [](auto& s) { return s.MoveTo(2, 2, false); }, "ab\nc^d"},
        {"^ab\r\ncd", [](auto& s) { return s.MoveTo(1, 3, false); }, "ab^\r\ncd"},
        {"a^b\ncd", [](auto& s) { return s.MoveTo(2, 3, true); }, "a[[b\ncd]]"},
        {"^ab\r\ncd", [](auto& s) { return s.MoveTo(1, 4, false); }, "^ab\r\ncd", false},
        {"^ab", [](auto& s) { return s.MoveTo(1, 0, false); }, "^ab", false},
        {"^ab", [](auto& s) { return s.MoveTo(2, 1, false); }, "^ab", false},
        // Inserted line breaks take the document's kind; LF when it has none.
        {"a^b\nc", [](auto& s) { return s.Insert("x\r\ny\rz", kKeepEnd); }, "ax\ny\nz^b\nc"},
        {"a^b\r\nc", [](auto& s) { return s.Insert("x\ny", kKeepEnd); }, "ax\r\ny^b\r\nc"},
        {"a\rb^", [](auto& s) { return s.Insert("\r\nz", kKeepEnd); }, "a\rb\rz^"},
        {"a^b", [](auto& s) { return s.Insert("x\r\n", kKeepEnd); }, "ax\n^b"},
        {"a^b", [](auto& s) { return s.Insert("xy", 0); }, "a[[xy]]b"},
        {"a[[bc]]d", [](auto& s) { return s.Insert("X", kKeepEnd); }, "aX^d"},
        {"a[[b]]\r\n", [](auto& s) { return s.SetText("1\n2"); }, "a1\r\n2^\r\n"},
        {"a[[b\r\nc]]d", [](auto& s) { return s.Delete(1); }, "a^d"},
        {"ab^\r\ncd", [](auto& s) { return s.Delete(2); }, "ab^d"},
        {"ab^", [](auto& s) { return s.Delete(1); }, "ab^"},
        {"ab^", [](auto& s) { return s.SetText(""); }, "ab^"},
        // A lone CR meeting an LF makes a CR LF.
        {"a\r^X\nb", [](auto& s) { return s.Delete(1); }, "a\r\n^b"},
    });
}

Operation Find(std::string pattern, long options) {
    return [=](ide::TextSelection& s) { return s.FindText(pattern, options); };
}

TEST(SelectionTest, FindTextDirectionStartAndCase) {
    constexpr long kCase = ide::kFindMatchCase, kRegex = ide::kFindRegExpr;
    constexpr long kUp = ide::kFindBackwards, kStart = ide::kFindFromStart;
    constexpr long kAtCaret = ide::kFindPassThrough;  // a match at the caret counts
    RunCases({
        {"x^ ab ab", Find("ab", 0), "x [[ab]] ab"},
        {"x ^ab ab", Find("ab", kAtCaret), "x [[ab]] ab"},
        {"x [[ab]] ab", Find("ab", 0), "x ab [[ab]]"},
        {"a^b", Find("ab", 0), "a^b", false},
        {"ab a^b", Find("ab", kUp), "[[ab]] ab"},
        {"ab [[ab]]", Find("ab", kUp), "ab [[ab]]"},
        {"ab a^b", Find("ab", kStart), "[[ab]] ab"},
        {"a^b ab", Find("ab", kStart | kUp), "ab [[ab]]"},
        {"^AB ab", Find("ab", 0), "[[AB]] ab"},
        {"^AB ab", Find("ab", kCase), "AB [[ab]]"},
        {"aaa^", Find("aa", kUp), "a[[aa]]"},
        {"^aabaabaaab", Find("aabaaab", 0), "aab[[aabaaab]]"},
        {"^abc", Find("x", 0), "^abc", false},
        {"^abc", Find("", 0), "^abc", false},
        {"^a\r\nb", Find("\r\nb", 0), "a[[\r\nb]]"},
        {"^a\r\nb", Find("\nb", 0), "^a\r\nb", false},
        // Regular expressions keep the same rules.
        {"ab a^b ab", Find("a.", kRegex), "ab ab [[ab]]"},
        {"x^ab", Find("a.", kRegex | kAtCaret), "x[[ab]]"},
        {"ab a^b ab", Find("a.", kRegex | kUp), "[[ab]] ab ab"},
        {"ab ab^", Find("a.", kRegex | kUp | kAtCaret), "ab [[ab]]"},
        {"a^b ab", Find("a.", kRegex | kStart | kUp), "ab [[ab]]"},
        {"abc^", Find("a:b", kRegex | kUp | kAtCaret), "abc^", false},
    });
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

TEST(SelectionTest, FindTextTakesRegularExpressionsToThePluggedInEngine) {
    constexpr long kRegex = ide::kFindRegExpr;
    const struct {
        const char* before;
        workbench::MatchRange range;
        long options;
        std::string after;
    } cases[] = {
        {"^a\r\nb", {1, 3}, kRegex | ide::kFindPassThrough, "a[[\r\n]]b"},
        // A match that breaks the engine's contract is no match.
        {"^a\r\nb", {2, 4}, kRegex, "^a\r\nb"},  // from the middle of the CR LF
        {"^a\r\nb", {1, 2}, kRegex, "^a\r\nb"},  // to its middle
        {"a^bc", {0, 1}, kRegex, "a^bc"},        // behind the caret
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        AnnotatedDocument document(c.before);
        std::string seen;
        document.Bench().SetRegexMatcherFactory([&](const std::string& pattern, long options) {
            seen = pattern + " " + std::to_string(options);
            return std::make_unique<FixedMatcher>(c.range);
        });
        EXPECT_EQ(document.Selection().FindText("\\n", c.options), c.after != c.before);
        EXPECT_EQ(document.State(), c.after);
        EXPECT_EQ(seen, "\\n " + std::to_string(c.options));
    }
}

TEST(SelectionTest, ReadsEnds) {
    AnnotatedDocument document("a\tb[[c\r\nd]]e\r\n");
    ide::TextSelection& s = document.Selection();
    EXPECT_EQ(s.Text(), "c\r\nd");
    EXPECT_EQ(std::make_tuple(s.TopLine(), s.BottomLine(), s.CurrentLine(), s.CurrentColumn()),
              std::make_tuple(1L, 2L, 2L, 2L));
    ide::Point top = *s.TopPoint();
    EXPECT_EQ(top.lineCharOffset, 4);
    EXPECT_EQ(top.displayColumn, 6);
    EXPECT_FALSE(top.atStartOfLine || top.atEndOfLine);
    document.Bench().SetEditorProperty("TabSize", 8L);
    EXPECT_EQ(s.TopPoint()->displayColumn, 10);
    // A tab size that is no size, or none at all, counts as the default.
    document.Bench().SetEditorProperty("TabSize", 0L);
    EXPECT_EQ(s.TopPoint()->displayColumn, 6);
    EXPECT_TRUE(document.Bench().RemoveEditorProperty("TabSize"));
    EXPECT_EQ(s.TopPoint()->displayColumn, 6);

    s.EndOfLine(false);
    EXPECT_TRUE(s.ActivePoint()->atEndOfLine);
    s.StartOfLine(0, false);
    EXPECT_TRUE(s.BottomPoint()->atStartOfLine);
}

TEST(SelectionTest, BookmarksFollowTheirLines) {
    AnnotatedDocument document("a\nb\n^c\nd\n");
    ide::TextSelection& s = document.Selection();
    s.SetBookmark();
    s.SetBookmark();
    s.GotoLine(4, false);
    s.SetBookmark();
    s.StartOfDocument(false);
    s.Insert("new\nlines\n", ide::kInsertKeepEnd);  // two lines above both
    s.GotoLine(5, false);
    s.Delete(2);  // joins line 5 with line 6

    std::vector<long> lines;
    for (const auto& mark : document.Bench().BookmarkList())
        lines.push_back(mark.line);
    EXPECT_EQ(lines, (std::vector<long>{5}));
}

}  // namespace
