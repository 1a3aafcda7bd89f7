#include "analysis/line_feeds.h"

#include <cstdint>
#include <cstring>

namespace analysis {

int CountLineFeeds(std::string_view text) {
    constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7FULL;
    constexpr std::uint64_t kLineFeeds = 0x0A0A0A0A0A0A0A0AULL;
    constexpr std::uint64_t kOnePerByte = 0x0101010101010101ULL;
    const char* at = text.data();
    const char* const end = at + text.size();
    int count = 0;
    for (; end - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        // Bytes that were LFs become zero; then exactly the zero bytes get their top bit
        // set, with no carry between bytes; the multiplication adds up those bits.
        const std::uint64_t x = word ^ kLineFeeds;
        const std::uint64_t zeros = ~(((x & kLowBits) + kLowBits) | x | kLowBits);
        count += static_cast<int>(((zeros >> 7) * kOnePerByte) >> 56);
    }
    for (; at != end; ++at) {
        count += *at == '\n' ? 1 : 0;
    }
    return count;
}

std::string WithLfLines(std::string text) {
    // Most files hold no lone CR, many no CR at all: memchr passes over them at memory speed.
    char* at = text.data();
    char* const end = at + text.size();
    while ((at = static_cast<char*>(std::memchr(at, '\r', static_cast<std::size_t>(end - at))))) {
        if (at + 1 == end || at[1] != '\n')
            *at = '\n';
        ++at;
    }
    return text;
}

}  // namespace analysis
