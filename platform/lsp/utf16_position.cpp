#include "lsp/utf16_position.h"

#include <algorithm>
#include <cstring>

namespace lsp {

CharacterSize CharacterAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    std::uint32_t min = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        return {1, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = lead & 0x07;
    } else {
        return {1, 1};
    }
    if (at + length > text.size())
        return {1, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {1, 1};
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not characters.
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {1, 1};
    return {length, code >= 0x10000 ? 2u : 1u};
}

LineIndex::LineIndex(std::string_view text) : text_(text) {
    // memchr finds the breaks; lone CRs, rare, are merged in from a second search.
    starts_.push_back(0);
    if (text.empty())
        return;
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const auto left = [end](const char* at) { return static_cast<std::size_t>(end - at); };
    std::vector<std::size_t> loneCr;
    for (const char* at = begin;
         (at = static_cast<const char*>(std::memchr(at, '\r', left(at)))) != nullptr; ++at) {
        if (at + 1 == end || at[1] != '\n')
            loneCr.push_back(static_cast<std::size_t>(at - begin) + 1);
    }
    auto cr = loneCr.begin();
    for (const char* at = begin;
         (at = static_cast<const char*>(std::memchr(at, '\n', left(at)))) != nullptr; ++at) {
        const std::size_t next = static_cast<std::size_t>(at - begin) + 1;
        for (; cr != loneCr.end() && *cr < next; ++cr)
            starts_.push_back(*cr);
        starts_.push_back(next);
    }
    starts_.insert(starts_.end(), cr, loneCr.end());
}

std::size_t LineIndex::LineEnd(std::size_t line) const {
    if (line + 1 >= starts_.size())
        return text_.size();
    std::size_t end = starts_[line + 1] - 1;
    if (end > starts_[line] && text_[end] == '\n' && text_[end - 1] == '\r')
        --end;
    return end;
}

std::size_t LineIndex::Offset(Position position) const {
    if (position.line >= starts_.size())
        return text_.size();
    std::size_t at = starts_[position.line];
    const std::size_t end = LineEnd(position.line);
    std::uint32_t units = 0;
    while (at < end) {
        const CharacterSize size = CharacterAt(text_, at);
        if (units + size.units > position.character)
            break;
        units += size.units;
        at += size.bytes;
    }
    return at;
}

Position LineIndex::At(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const std::size_t line = static_cast<std::size_t>(after - starts_.begin()) - 1;
    const std::size_t end = std::min(offset, LineEnd(line));
    std::size_t at = starts_[line];
    std::uint32_t units = 0;
    while (at < end) {
        const CharacterSize size = CharacterAt(text_, at);
        if (at + size.bytes > end)
            break;
        units += size.units;
        at += size.bytes;
    }
    return {static_cast<std::uint32_t>(line), units};
}

}  // namespace lsp
