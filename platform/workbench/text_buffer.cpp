#include "workbench/text_buffer.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "workbench/memory_advice.h"

namespace workbench {

TextBuffer::TextBuffer(std::string bytes) : bytes_(std::move(bytes)) {
    // Room for the lines of a text of usual line lengths, reserved once: a file's index is
    // then written into memory that is never moved, and only a text of short lines grows it.
    starts_.reserve(bytes_.size() / 24 + 16);
    ExpectFilling(starts_.data(), starts_.capacity() * sizeof(std::size_t));
    Index();
}

void TextBuffer::Index() {
    starts_.assign(1, 0);
    const char* const data = bytes_.data();
    const std::size_t size = bytes_.size();
    std::size_t next = 0;  // the start of the line after the last break taken
    const auto take = [&](std::size_t at) {
        if (at < next)
            return;  // the LF of a CR LF pair
        next = data[at] == '\r' && at + 1 < size && data[at + 1] == '\n' ? at + 2 : at + 1;
        starts_.push_back(next);
    };
    std::size_t at = 0;
#if defined(__SSE2__)
    // Both breaks looked for in 16 bytes at a time, in one pass.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; size - at >= 16; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
        auto breaks = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, lf), _mm_cmpeq_epi8(block, cr))));
        for (; breaks != 0; breaks &= breaks - 1)
            take(at + static_cast<std::size_t>(std::countr_zero(breaks)));
    }
#endif
    for (; at < size; ++at) {
        if (data[at] == '\n' || data[at] == '\r')
            take(at);
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
