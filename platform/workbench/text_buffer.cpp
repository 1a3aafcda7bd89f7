#include "workbench/text_buffer.h"

#include <algorithm>
#include <limits>

#include "analysis/line_feeds.h"
#include "workbench/memory_advice.h"

namespace workbench {

TextBuffer::TextBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    // Room for a line per LF, the lines of most texts, found a word at a time: the index of a
    // file is then written once, into memory that is never moved.
    if (bytes_.size() < static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        starts_.reserve(static_cast<std::size_t>(analysis::CountLineFeeds(bytes_)) + 1);
        ExpectFilling(starts_.data(), starts_.capacity() * sizeof(std::size_t));
    }
    Index();
}

void TextBuffer::Index() {
    starts_.assign(1, 0);
    // The next CR and the next LF, each looked for with memchr and kept until passed: a file
    // with one kind of break never looks for the other kind more than once.
    const std::string_view text(bytes_);
    std::size_t cr = text.find('\r');
    std::size_t lf = text.find('\n');
    while (cr != text.npos || lf != text.npos) {
        const std::size_t at = std::min(cr, lf);
        const std::size_t next = at == cr && lf == at + 1 ? at + 2 : at + 1;
        starts_.push_back(next);
        if (cr < next)
            cr = text.find('\r', next);
        if (lf < next)
            lf = text.find('\n', next);
    }
}

std::size_t TextBuffer::LineEnd(long line) const {
    if (line + 1 >= LineCount())
        return bytes_.size();
    const std::size_t next = LineStart(line + 1);
    return next >= 2 && bytes_[next - 1] == '\n' && bytes_[next - 2] == '\r' ? next - 2 : next - 1;
}

std::size_t TextBuffer::NextLineStart(long line) const {
    return line + 1 < LineCount() ? LineStart(line + 1) : bytes_.size();
}

long TextBuffer::LineOf(std::size_t offset) const {
    auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<long>(after - starts_.begin()) - 1;
}

bool TextBuffer::IsPosition(std::size_t offset) const {
    return offset <= bytes_.size() && !SplitsLineBreak(bytes_, offset);
}

std::size_t TextBuffer::SnapForward(std::size_t offset) const {
    offset = std::min(offset, bytes_.size());
    return SplitsLineBreak(bytes_, offset) ? offset + 1 : offset;
}

std::size_t TextBuffer::Next(std::size_t offset) const {
    if (offset >= bytes_.size())
        return bytes_.size();
    return SplitsLineBreak(bytes_, offset + 1) ? offset + 2 : offset + 1;
}

std::size_t TextBuffer::Previous(std::size_t offset) const {
    if (offset == 0)
        return 0;
    offset = std::min(offset, bytes_.size());
    return SplitsLineBreak(bytes_, offset - 1) ? offset - 2 : offset - 1;
}

LineEndStyle TextBuffer::Style() const {
    if (LineCount() < 2)
        return LineEndStyle::kLf;
    std::size_t end = LineEnd(0);
    if (bytes_[end] == '\n')
        return LineEndStyle::kLf;
    return LineStart(1) - end == 2 ? LineEndStyle::kCrLf : LineEndStyle::kCr;
}

void TextBuffer::Replace(std::size_t begin, std::size_t end, std::string_view text) {
    end = std::min(end, bytes_.size());
    begin = std::min(begin, end);
    bytes_.replace(begin, end - begin, text);
    Index();
}

}  // namespace workbench
