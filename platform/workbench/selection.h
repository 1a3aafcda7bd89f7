// The text selection of a document's window: an anchor and an active end (the caret), kept as
// byte offsets into the document's text and shown to the core as 1-based lines and columns.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "editor/ide.h"
#include "workbench/document_text.h"
#include "workbench/editor_context.h"

namespace workbench {

class Selection : public ide::TextSelection {
  public:
    Selection(std::shared_ptr<DocumentText> text, std::shared_ptr<const EditorContext> context);

    std::string Text() override;
    bool SetText(const std::string& text) override;
    bool IsEmpty() override { return anchor_ == caret_; }
    long CurrentLine() override { return LineNumber(caret_); }
    long CurrentColumn() override { return ColumnOf(caret_); }
    long TopLine() override { return LineNumber(Top()); }
    long BottomLine() override { return LineNumber(Bottom()); }
    std::optional<ide::Point> TopPoint() override { return PointAt(Top()); }
    std::optional<ide::Point> BottomPoint() override { return PointAt(Bottom()); }
    std::optional<ide::Point> AnchorPoint() override { return PointAt(anchor_); }
    std::optional<ide::Point> ActivePoint() override { return PointAt(caret_); }

    bool Delete(long count) override;
    bool Insert(const std::string& text, long flags) override;
    bool SelectLine() override;
    bool StartOfLine(long where, bool extend) override;
    bool EndOfLine(bool extend) override;
    bool MoveTo(long line, long column, bool extend) override;
    bool MoveToDisplayColumn(long line, long column, bool extend) override;
    bool CharLeft(bool extend, long count) override;
    bool CharRight(bool extend, long count) override;
    bool LineUp(bool extend, long count) override;
    bool LineDown(bool extend, long count) override;
    bool StartOfDocument(bool extend) override;
    bool EndOfDocument(bool extend) override;
    bool GotoLine(long line, bool select) override;
    bool FindText(const std::string& pattern, long options) override;
    bool SetBookmark() override;

    std::size_t Anchor() const { return anchor_; }
    std::size_t Caret() const { return caret_; }
    // Sets both ends; false, and nothing moves, when either is no position of the text.
    bool Place(std::size_t anchor, std::size_t caret);
    // The offset of a 1-based line and character column; empty when out of range.
    std::optional<std::size_t> OffsetOf(long line, long column) const;
    long LineNumber(std::size_t offset) const;
    long ColumnOf(std::size_t offset) const;

  private:
    const TextBuffer& Buffer() const { return text_->Buffer(); }
    std::size_t Top() const { return std::min(anchor_, caret_); }
    std::size_t Bottom() const { return std::max(anchor_, caret_); }
    void MoveCaret(std::size_t to, bool extend);
    // Replaces the selected bytes with the text in the document's line-end style and returns
    // where the new text begins and ends.
    std::pair<std::size_t, std::size_t> ReplaceSelected(std::string_view text);
    bool MoveLines(long delta, long count, bool extend);
    long DisplayColumnOf(std::size_t offset) const;
    ide::Point PointAt(std::size_t offset) const;
    std::unique_ptr<Matcher> MakeMatcher(const std::string& pattern, long options) const;

    std::shared_ptr<DocumentText> text_;
    std::shared_ptr<const EditorContext> context_;
    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
};

}  // namespace workbench
