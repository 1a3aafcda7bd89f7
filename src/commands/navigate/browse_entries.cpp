#include "commands/navigate/browse_entries.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <numeric>

namespace commands::navigate {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string LowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

void SortEntries(BrowseEntries& entries) {
    const std::size_t count = entries.Size();
    std::vector<std::string> keys;
    keys.reserve(count);
    for (const std::string& text : entries.shown)
        keys.push_back(LowerCase(text));
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Plain byte order: unsigned, as the texts are 8-bit.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::lexicographical_compare(
            keys[a].begin(), keys[a].end(), keys[b].begin(), keys[b].end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
    BrowseEntries sorted;
    sorted.shown.reserve(count);
    sorted.data.reserve(count);
    for (std::size_t i : order)
        sorted.Add(std::move(entries.shown[i]), std::move(entries.data[i]));
    entries = std::move(sorted);
}

std::vector<std::size_t> FilterEntries(const BrowseEntries& entries, std::string_view filter) {
    std::vector<std::size_t> listed;
    listed.reserve(entries.Size());
    const std::string wanted = LowerCase(filter);
    const std::boyer_moore_horspool_searcher searcher(wanted.begin(), wanted.end());
    for (std::size_t i = 0; i < entries.Size(); ++i) {
        if (wanted.empty()) {
            listed.push_back(i);
            continue;
        }
        const std::string text = LowerCase(entries.shown[i]);
        if (std::search(text.begin(), text.end(), searcher) != text.end())
            listed.push_back(i);
    }
    return listed;
}

std::optional<long> ParseLine(std::string_view text) {
    long line = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), line);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return line;
}

}  // namespace commands::navigate
