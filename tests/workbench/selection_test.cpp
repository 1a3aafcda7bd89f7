#include "workbench/selection.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/annotated_text.h"
#include "support/temp_dir.h"
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
    std::string State() const {
        auto offsets = bench_.SelectionOffsets(document_);
        return Annotate(*bench_.DocumentText(document_), offsets->anchor, offsets->caret);
    }
    workbench::Workbench& Bench() { return bench_; }
    ide::Document& Document() { return *document_; }

  private:
    testing_support::TempDir dir_;
    workbench::Workbench bench_;
    ide::Ref<ide::Document> document_;
};

struct Case {
    const char* name;
    const char* before;
    Operation operation;
    const char* after;
    bool result = true;
};

void RunCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AnnotatedDocument document(c.before);
        EXPECT_EQ(c.operation(document.Selection()), c.result);
        EXPECT_EQ(document.State(), c.after);
    }
}

TEST(SelectionTest, CharacterMoves) {
    RunCases({
        {"left collapses at start", "a[[bc]]d", [](auto& s) { return s.CharLeft(false, 1); },
         "a^bcd"},
        {"left collapses then moves", "ab[[cd]]", [](auto& s) { return s.CharLeft(false, 2); },
         "a^bcd"},
        {"left extends", "ab^c", [](auto& s) { return s.CharLeft(true, 1); }, "a[[^b]]c"},
        {"left over CR LF is one", "ab\r\n^cd", [](auto& s) { return s.CharLeft(false, 1); },
         "ab^\r\ncd"},
        {"left stops at start", "a^b", [](auto& s) { return s.CharLeft(false, 9); }, "^ab"},
        {"left needs a count", "a^b", [](auto& s) { return s.CharLeft(false, 0); }, "a^b", false},
        {"right collapses at end", "[[ab]]cd", [](auto& s) { return s.CharRight(false, 2); },
         "abc^d"},
        {"right over CR LF is one", "ab^\r\ncd", [](auto& s) { return s.CharRight(false, 1); },
         "ab\r\n^cd"},
        {"right over lone CR", "a^\rb", [](auto& s) { return s.CharRight(true, 2); }, "a[[\rb]]"},
        {"right stops at end", "a^b", [](auto& s) { return s.CharRight(false, 9); }, "ab^"},
    });
}

TEST(SelectionTest, LineMoves) {
    RunCases({
        {"down keeps column", "ab^cd\nwxyz\n", [](auto& s) { return s.LineDown(false, 1); },
         "abcd\nwx^yz\n"},
        {"down clamps to a short line", "abc^d\nx\nlonger",
         [](auto& s) { return s.LineDown(false, 1); }, "abcd\nx^\nlonger"},
        {"column kept across a short line", "abc^d\nx\nlonger",
         [](auto& s) { return s.LineDown(false, 2); }, "abcd\nx\nlon^ger"},
        {"down over CR LF", "ab^c\r\nxyz", [](auto& s) { return s.LineDown(false, 1); },
         "abc\r\nxy^z"},
        {"down stops at last line", "a^b\ncd", [](auto& s) { return s.LineDown(false, 7); },
         "ab\nc^d"},
        {"down extends", "a^bc\ndef", [](auto& s) { return s.LineDown(true, 1); }, "a[[bc\nd]]ef"},
        {"up stops at first line", "ab\ncd^", [](auto& s) { return s.LineUp(false, 5); },
         "ab^\ncd"},
        {"up from a selection moves the caret", "[[ab\ncd]]",
         [](auto& s) { return s.LineUp(false, 1); }, "ab^\ncd"},
        {"up needs a count", "ab\nc^d", [](auto& s) { return s.LineUp(false, 0); }, "ab\nc^d",
         false},
        {"start of document extends", "ab\nc^d", [](auto& s) { return s.StartOfDocument(true); },
         "[[^ab\nc]]d"},
        {"end of document", "a^b\r\ncd", [](auto& s) { return s.EndOfDocument(false); },
         "ab\r\ncd^"},
    });
}

TEST(SelectionTest, LineEndsAndLines) {
    RunCases({
        {"first column", "  \tab^c", [](auto& s) { return s.StartOfLine(0, false); }, "^  \tabc"},
        {"first text", "x\n  \tab^c", [](auto& s) { return s.StartOfLine(1, false); },
         "x\n  \t^abc"},
        {"first text of a blank line", "x\n ^  \ny",
         [](auto& s) { return s.StartOfLine(1, false); }, "x\n   ^\ny"},
        {"start of line extends", "ab^c", [](auto& s) { return s.StartOfLine(0, true); },
         "[[^ab]]c"},
        {"unknown start of line", "ab^c", [](auto& s) { return s.StartOfLine(2, false); }, "ab^c",
         false},
        {"end of line before CR LF", "^ab\r\ncd", [](auto& s) { return s.EndOfLine(false); },
         "ab^\r\ncd"},
        {"end of line extends", "a^b\ncd", [](auto& s) { return s.EndOfLine(true); }, "a[[b]]\ncd"},
        {"select line with LF", "ab\nc^d\nef", [](auto& s) { return s.SelectLine(); },
         "ab\n[[cd\n]]ef"},
        {"select line with CR LF", "ab\r\nc^d\r\nef", [](auto& s) { return s.SelectLine(); },
         "ab\r\n[[cd\r\n]]ef"},
        {"select last line without break", "ab\nc^d", [](auto& s) { return s.SelectLine(); },
         "ab\n[[cd]]"},
        {"select empty last line", "ab\n^", [](auto& s) { return s.SelectLine(); }, "ab\n^"},
        {"goto line", "a^b\ncd\nef", [](auto& s) { return s.GotoLine(2, false); }, "ab\n^cd\nef"},
        {"goto line selecting", "a^b\r\ncd\r\nef", [](auto& s) { return s.GotoLine(2, true); },
         "ab\r\n[[cd\r\n]]ef"},
        {"goto line past the end", "a^b\ncd", [](auto& s) { return s.GotoLine(3, false); },
         "a^b\ncd", false},
        {"goto line zero", "a^b\ncd", [](auto& s) { return s.GotoLine(0, false); }, "a^b\ncd",
         false},
    });
}

TEST(SelectionTest, MoveTo) {
    RunCases({
        {"to line and column", "^ab\ncd", [](auto& s) { return s.MoveTo(2, 2, false); }, "ab\nc^d"},
        {"after the last character", "^ab\r\ncd", [](auto& s) { return s.MoveTo(1, 3, false); },
         "ab^\r\ncd"},
        {"extending", "a^b\ncd", [](auto& s) { return s.MoveTo(2, 3, true); }, "a[[b\ncd]]"},
        {"column past the line", "^ab\r\ncd", [](auto& s) { return s.MoveTo(1, 4, false); },
         "^ab\r\ncd", false},
        {"column zero", "^ab", [](auto& s) { return s.MoveTo(1, 0, false); }, "^ab", false},
        {"line past the end", "^ab", [](auto& s) { return s.MoveTo(2, 1, false); }, "^ab", false},
        {"display column after a tab", "^\tab",
         [](auto& s) { return s.MoveToDisplayColumn(1, 5, false); }, "\t^ab"},
        {"display column inside a tab", "x\tab^",
         [](auto& s) { return s.MoveToDisplayColumn(1, 3, false); }, "x^\tab"},
        {"display column past the end", "^\tab\ncd",
         [](auto& s) { return s.MoveToDisplayColumn(1, 40, false); }, "\tab^\ncd"},
        {"display column zero", "^ab", [](auto& s) { return s.MoveToDisplayColumn(1, 0, false); },
         "^ab", false},
    });
}

TEST(SelectionTest, Editing) {
    RunCases({
        {"insert into an LF file stays LF", "a^b\nc",
         [](auto& s) { return s.Insert("x\r\ny\rz", ide::kInsertKeepEnd); }, "ax\ny\nz^b\nc"},
        {"insert into a CR LF file", "a^b\r\nc",
         [](auto& s) { return s.Insert("x\ny", ide::kInsertKeepEnd); }, "ax\r\ny^b\r\nc"},
        {"insert into a CR file", "a\rb^",
         [](auto& s) { return s.Insert("\r\nz", ide::kInsertKeepEnd); }, "a\rb\rz^"},
        {"insert without a break uses LF", "a^b",
         [](auto& s) { return s.Insert("x\r\n", ide::kInsertKeepEnd); }, "ax\n^b"},
        {"insert keeps the new text selected", "a^b", [](auto& s) { return s.Insert("xy", 0); },
         "a[[xy]]b"},
        {"insert replaces the selection", "a[[bc]]d",
         [](auto& s) { return s.Insert("X", ide::kInsertKeepEnd); }, "aX^d"},
        {"set text", "a[[b]]\r\n", [](auto& s) { return s.SetText("1\n2"); }, "a1\r\n2^\r\n"},
        {"delete the selection", "a[[b\r\nc]]d", [](auto& s) { return s.Delete(1); }, "a^d"},
        {"delete a CR LF as one", "ab^\r\ncd", [](auto& s) { return s.Delete(2); }, "ab^d"},
        {"delete at the end", "ab^", [](auto& s) { return s.Delete(1); }, "ab^"},
        {"delete needs a count", "a^b", [](auto& s) { return s.Delete(0); }, "a^b", false},
        {"lone CR meeting LF", "a\r^X\nb", [](auto& s) { return s.Delete(1); }, "a\r\n^b"},
    });
}

TEST(SelectionTest, NoEditLeavesTheDocumentSaved) {
    AnnotatedDocument document("ab^");
    document.Selection().Delete(1);
    document.Selection().SetText("");
    EXPECT_TRUE(document.Document().Saved());
    document.Selection().Insert("c", ide::kInsertKeepEnd);
    EXPECT_FALSE(document.Document().Saved());
}

TEST(SelectionTest, ReadsEnds) {
    AnnotatedDocument document("a\tb[[c\r\nd]]e\r\n");
    ide::TextSelection& s = document.Selection();
    EXPECT_EQ(s.Text(), "c\r\nd");
    EXPECT_FALSE(s.IsEmpty());
    EXPECT_EQ(s.CurrentLine(), 2);
    EXPECT_EQ(s.CurrentColumn(), 2);
    EXPECT_EQ(s.TopLine(), 1);
    EXPECT_EQ(s.BottomLine(), 2);

    ide::Point top = *s.TopPoint();
    EXPECT_EQ(top.line, 1);
    EXPECT_EQ(top.lineCharOffset, 4);
    EXPECT_EQ(top.displayColumn, 6);
    EXPECT_FALSE(top.atStartOfLine);
    EXPECT_FALSE(top.atEndOfLine);
    EXPECT_EQ(s.AnchorPoint()->lineCharOffset, top.lineCharOffset);

    document.Bench().SetEditorProperty("TabSize", 8L);
    EXPECT_EQ(s.TopPoint()->displayColumn, 10);

    s.EndOfLine(false);
    ide::Point end = *s.ActivePoint();
    EXPECT_TRUE(end.atEndOfLine);
    EXPECT_EQ(end.lineCharOffset, 3);
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
