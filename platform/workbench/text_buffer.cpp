#include "workbench/text_buffer.h"

#include <algorithm>

namespace workbench {

TextBuffer::TextBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    Index();
}

void TextBuffer::Index() {
    starts_.assign(1, 0);
    ends_.clear();
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        char c = bytes_[i];
        if (c != '\r' && c != '\n')
            continue;
        ends_.push_back(i);
        if (c == '\r' && i + 1 < bytes_.size() && bytes_[i + 1] == '\n')
            ++i;
        starts_.push_back(i + 1);
    }
    ends_.push_back(bytes_.size());
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
