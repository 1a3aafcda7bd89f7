#include "workbench/selection.h"

#include <algorithm>

namespace workbench {

Selection::Selection(std::shared_ptr<DocumentText> text,
                     std::shared_ptr<const EditorContext> context)
    : text_(std::move(text)), context_(std::move(context)) {}

std::string Selection::Text() {
    return Buffer().Bytes().substr(Top(), Bottom() - Top());
}

std::pair<std::size_t, std::size_t> Selection::ReplaceSelected(std::string_view text) {
    std::size_t begin = Top();
    std::size_t end = Bottom();
    if (begin == end && text.empty())
        return {begin, begin};
    std::string converted = ConvertLineEnds(text, Buffer().Style());
    text_->Replace(begin, end, converted);
    // A lone CR meeting a lone LF at either seam becomes one break; keep both ends outside it.
    return {Buffer().SnapForward(begin), Buffer().SnapForward(begin + converted.size())};
}

bool Selection::SetText(const std::string& text) {
    auto [begin, end] = ReplaceSelected(text);
    anchor_ = caret_ = end;
    return true;
}

bool Selection::Insert(const std::string& text, long flags) {
    auto [begin, end] = ReplaceSelected(text);
    anchor_ = (flags & ide::kInsertKeepEnd) != 0 ? end : begin;
    caret_ = end;
    return true;
}

bool Selection::Delete(long count) {
    if (IsEmpty()) {
        if (count < 1)
            return false;
        std::size_t end = caret_;
        for (long i = 0; i < count && end < Buffer().Size(); ++i)
            end = Buffer().Next(end);
        caret_ = end;
    }
    auto [begin, end] = ReplaceSelected({});
    anchor_ = caret_ = begin;
    return true;
}

bool Selection::SelectLine() {
    long line = Buffer().LineOf(caret_);
    anchor_ = Buffer().LineStart(line);
    caret_ = Buffer().NextLineStart(line);
    return true;
}

bool Selection::StartOfLine(long where, bool extend) {
    long line = Buffer().LineOf(caret_);
    std::size_t to = Buffer().LineStart(line);
    if (where == 1) {
        const std::string& bytes = Buffer().Bytes();
        std::size_t end = Buffer().LineEnd(line);
        while (to < end && (bytes[to] == ' ' || bytes[to] == '\t'))
            ++to;
    } else if (where != 0) {
        return false;
    }
    MoveCaret(to, extend);
    return true;
}

bool Selection::EndOfLine(bool extend) {
    MoveCaret(Buffer().LineEnd(Buffer().LineOf(caret_)), extend);
    return true;
}

bool Selection::MoveTo(long line, long column, bool extend) {
    std::optional<std::size_t> to = OffsetOf(line, column);
    if (!to)
        return false;
    MoveCaret(*to, extend);
    return true;
}

bool Selection::MoveToDisplayColumn(long line, long column, bool extend) {
    if (line < 1 || line > Buffer().LineCount() || column < 1)
        return false;
    const std::string& bytes = Buffer().Bytes();
    long tabSize = context_->properties->TabSize();
    std::size_t to = Buffer().LineStart(line - 1);
    std::size_t end = Buffer().LineEnd(line - 1);
    // Stops in front of the character that would reach past the column: inside a tab the caret
    // stands before it, past the line's end at the end.
    for (long shown = 0; to < end; ++to) {
        long width = bytes[to] == '\t' ? tabSize - shown % tabSize : 1;
        if (shown + width > column - 1)
            break;
        shown += width;
    }
    MoveCaret(to, extend);
    return true;
}

bool Selection::CharLeft(bool extend, long count) {
    if (count < 1)
        return false;
    std::size_t to = caret_;
    if (!extend && !IsEmpty()) {
        to = Top();
        --count;
    }
    for (; count > 0 && to > 0; --count)
        to = Buffer().Previous(to);
    MoveCaret(to, extend);
    return true;
}

bool Selection::CharRight(bool extend, long count) {
    if (count < 1)
        return false;
    std::size_t to = caret_;
    if (!extend && !IsEmpty()) {
        to = Bottom();
        --count;
    }
    for (; count > 0 && to < Buffer().Size(); --count)
        to = Buffer().Next(to);
    MoveCaret(to, extend);
    return true;
}

bool Selection::MoveLines(long delta, long count, bool extend) {
    if (count < 1)
        return false;
    long line = Buffer().LineOf(caret_);
    long last = Buffer().LineCount() - 1;
    long target = delta < 0 ? (count >= line ? 0 : line - count)
                            : (count >= last - line ? last : line + count);
    std::size_t column = caret_ - Buffer().LineStart(line);
    std::size_t start = Buffer().LineStart(target);
    MoveCaret(start + std::min(column, Buffer().LineEnd(target) - start), extend);
    return true;
}

bool Selection::LineUp(bool extend, long count) {
    return MoveLines(-1, count, extend);
}

bool Selection::LineDown(bool extend, long count) {
    return MoveLines(1, count, extend);
}

bool Selection::StartOfDocument(bool extend) {
    MoveCaret(0, extend);
    return true;
}

bool Selection::EndOfDocument(bool extend) {
    MoveCaret(Buffer().Size(), extend);
    return true;
}

bool Selection::GotoLine(long line, bool select) {
    if (line < 1 || line > Buffer().LineCount())
        return false;
    anchor_ = caret_ = Buffer().LineStart(line - 1);
    if (select)
        caret_ = Buffer().NextLineStart(line - 1);
    return true;
}

std::unique_ptr<Matcher> Selection::MakeMatcher(const std::string& pattern, long options) const {
    if ((options & ide::kFindRegExpr) == 0) {
        return MakePlainMatcher(pattern, (options & ide::kFindMatchCase) != 0);
    }
    if (!context_->regexMatchers)
        return nullptr;
    return context_->regexMatchers(pattern, options);
}

bool Selection::FindText(const std::string& pattern, long options) {
    std::unique_ptr<Matcher> matcher = MakeMatcher(pattern, options);
    if (!matcher)
        return false;
    const std::string& bytes = Buffer().Bytes();
    bool backwards = (options & ide::kFindBackwards) != 0;
    std::size_t from = caret_;
    if ((options & ide::kFindFromStart) != 0)
        from = backwards ? bytes.size() : 0;

    std::optional<MatchRange> match =
        backwards ? matcher->Previous(bytes, from) : matcher->Next(bytes, from);
    // A plugged-in matcher is trusted no further than its contract.
    if (!match || match->begin > match->end || !Buffer().IsPosition(match->begin) ||
        !Buffer().IsPosition(match->end) || (backwards ? match->end > from : match->begin < from)) {
        return false;
    }
    anchor_ = match->begin;
    caret_ = match->end;
    return true;
}

bool Selection::SetBookmark() {
    text_->AddBookmark(Buffer().LineOf(caret_));
    return true;
}

bool Selection::Place(std::size_t anchor, std::size_t caret) {
    if (!Buffer().IsPosition(anchor) || !Buffer().IsPosition(caret))
        return false;
    anchor_ = anchor;
    caret_ = caret;
    return true;
}

std::optional<std::size_t> Selection::OffsetOf(long line, long column) const {
    if (line < 1 || line > Buffer().LineCount() || column < 1)
        return std::nullopt;
    std::size_t start = Buffer().LineStart(line - 1);
    if (static_cast<std::size_t>(column - 1) > Buffer().LineEnd(line - 1) - start) {
        return std::nullopt;
    }
    return start + static_cast<std::size_t>(column - 1);
}

long Selection::LineNumber(std::size_t offset) const {
    return Buffer().LineOf(offset) + 1;
}

long Selection::ColumnOf(std::size_t offset) const {
    return static_cast<long>(offset - Buffer().LineStart(Buffer().LineOf(offset))) + 1;
}

long Selection::DisplayColumnOf(std::size_t offset) const {
    const std::string& bytes = Buffer().Bytes();
    long tabSize = context_->properties->TabSize();
    long shown = 0;
    for (std::size_t i = Buffer().LineStart(Buffer().LineOf(offset)); i < offset; ++i) {
        shown += bytes[i] == '\t' ? tabSize - shown % tabSize : 1;
    }
    return shown + 1;
}

ide::Point Selection::PointAt(std::size_t offset) const {
    long line = Buffer().LineOf(offset);
    ide::Point point;
    point.line = line + 1;
    point.lineCharOffset = ColumnOf(offset);
    point.displayColumn = DisplayColumnOf(offset);
    point.atStartOfLine = offset == Buffer().LineStart(line);
    point.atEndOfLine = offset == Buffer().LineEnd(line);
    return point;
}

void Selection::MoveCaret(std::size_t to, bool extend) {
    caret_ = to;
    if (!extend)
        anchor_ = to;
}

}  // namespace workbench
