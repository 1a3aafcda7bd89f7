#include "analysis/text_cursor.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

#include "analysis/char_classes.h"
#include "analysis/line_feeds.h"

namespace analysis {

namespace {

std::string_view UpToNul(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (text.size() >= static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("TextCursor: text too long");
    }
    return text;
}

}  // namespace

TextCursor::TextCursor(std::string_view text)
    : text_(UpToNul(text)), length_(static_cast<int>(text_.size())) {}

TextCursor::TextCursor(const char* text)
    : TextCursor(text != nullptr ? std::string_view(text) : std::string_view()) {}

char TextCursor::Current() const {
    return position_ >= 0 && position_ < length_ ? text_[position_] : '\0';
}

bool TextCursor::SetMark(const CursorMark& mark) {
    position_ = mark.position;
    line_ = mark.line;
    return true;
}

CursorMark TextCursor::MarkAt(int offset) const {
    const long long at = static_cast<long long>(position_) + offset;
    return {static_cast<int>(std::clamp<long long>(at, INT_MIN, INT_MAX)), -1};
}

std::string TextCursor::Mid(int start, int count) const {
    const int from = std::clamp(start, 0, length_);
    if (count <= 0) {
        return {};
    }
    return text_.substr(from, static_cast<std::size_t>(std::min(count, length_ - from)));
}

std::string TextCursor::Slice(const CursorMark& from, const CursorMark& to) const {
    const int begin = std::clamp(from.position, 0, length_);
    const int end = std::clamp(to.position, 0, length_);
    return end > begin ? text_.substr(begin, end - begin) : std::string();
}

std::string TextCursor::SliceFrom(const CursorMark& from) const {
    return text_.substr(std::clamp(from.position, 0, length_));
}

bool TextCursor::Move(int steps) {
    if (steps == 0) {
        return true;
    }
    if (position_ < 0) {
        position_ = 0;
        return false;
    }
    if (length_ == 0) {
        return false;
    }
    const int sign = steps > 0 ? 1 : -1;
    long long remaining = steps > 0 ? steps : -static_cast<long long>(steps);
    // The LF test looks at the character being left, which is what makes backward
    // moves one step late; callers rely on that, so it stays.
    while (position_ < length_ && remaining > 0) {
        if (text_[position_] == '\n') {
            line_ += sign;
        }
        position_ += sign;
        --remaining;
        if (position_ < 0) {
            break;
        }
    }
    if (position_ < 0) {
        position_ = 0;
        return false;
    }
    if (position_ == length_) {
        position_ = length_ - 1;
        return false;
    }
    return true;
}

bool TextCursor::SetPosition(int offset) {
    const int clamped = std::clamp(offset, 0, length_);
    PlaceExactly(clamped);
    if (clamped == length_ && length_ >= 1) {
        position_ = length_ - 1;
        return false;
    }
    return true;
}

bool TextCursor::GotoStart() {
    return length_ > 0 && SetPosition(0);
}

bool TextCursor::GotoEnd() {
    return length_ > 0 && SetPosition(length_ - 1);
}

bool TextCursor::GotoLineColumn(int line, int column) {
    const int wanted = std::max(line, 0);
    // Walk from the last counted place to the start of the wanted line, either way.
    int at = countedTo_;
    int lines = linesBefore_;
    if (wanted > lines) {
        while (lines < wanted && at < length_) {
            const void* lf = std::memchr(text_.data() + at, '\n', length_ - at);
            if (lf == nullptr) {
                at = length_;
                break;
            }
            at = static_cast<int>(static_cast<const char*>(lf) - text_.data()) + 1;
            ++lines;
        }
    } else {
        while (at > 0 && !(text_[at - 1] == '\n' && lines == wanted)) {
            lines -= text_[at - 1] == '\n' ? 1 : 0;
            --at;
        }
    }
    countedTo_ = at;
    linesBefore_ = lines;
    int columns = 0;
    while (columns < column && at < length_ && !IsLineBreak(text_[at])) {
        ++at;
        ++columns;
    }
    line_ = lines;
    if (at == length_) {
        position_ = std::max(length_ - 1, 0);
        return false;
    }
    position_ = at;
    return lines == line && columns == column;
}

bool TextCursor::GotoLineStart() {
    const int lineBreak =
        position_ >= 0 && position_ < length_ ? LineBreakAtOrBefore(position_) : -1;
    if (lineBreak >= 0) {
        PlaceExactly(lineBreak);
        return Move(1);
    }
    return length_ > 0 && SetPosition(0);
}

void TextCursor::SkipWhitespace(int direction) {
    if (direction == 0) {
        return;
    }
    const int step = direction > 0 ? 1 : -1;
    while (IsWhitespace(Current()) && Move(step)) {
    }
}

void TextCursor::SkipIdentifier(int direction) {
    if (direction == 0) {
        return;
    }
    const int step = direction > 0 ? 1 : -1;
    const auto skip = [&](bool (*inRun)(char)) {
        while (inRun(Current()) && Move(step)) {
        }
    };
    if (step < 0) {
        skip(IsOperatorChar);
    }
    skip(IsIdentifierChar);
    if (step > 0) {
        skip(IsOperatorChar);
    }
}

int TextCursor::DisplayColumn() const {
    // Measured from where GotoLineStart would go: after the nearest line end at or before
    // the position, so a line end itself is at column 0.
    int start = 0;
    if (position_ >= 0 && position_ < length_) {
        const int lineBreak = LineBreakAtOrBefore(position_);
        start = lineBreak + 1;
    }
    const int end = std::clamp(position_, 0, length_);
    if (start >= end) {
        return 0;
    }
    return ColumnWidth(std::string_view(text_).substr(start, end - start), false);
}

void TextCursor::PlaceExactly(int target) {
    line_ = CountLinesTo(target);
    position_ = target;
}

int TextCursor::CountLinesTo(int target) {
    const std::string_view text(text_);
    if (target >= countedTo_) {
        linesBefore_ += CountLineFeeds(text.substr(countedTo_, target - countedTo_));
    } else {
        linesBefore_ -= CountLineFeeds(text.substr(target, countedTo_ - target));
    }
    countedTo_ = target;
    return linesBefore_;
}

int TextCursor::LineBreakAtOrBefore(int position) const {
    if (IsLineBreak(text_[position])) {
        return position;
    }
    return static_cast<int>(lineFacts_.LineStart(text_, static_cast<std::size_t>(position))) - 1;
}

}  // namespace analysis
