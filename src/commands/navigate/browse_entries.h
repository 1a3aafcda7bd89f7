// The lists a Browse level shows: a text per entry and the data behind it, kept in step.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace commands::navigate {

struct BrowseEntries {
    std::vector<std::string> shown;
    std::vector<std::string> data;

    void Add(std::string text, std::string value) {
        shown.push_back(std::move(text));
        data.push_back(std::move(value));
    }
    void Clear() {
        shown.clear();
        data.clear();
    }
    std::size_t Size() const { return shown.size(); }
    bool Empty() const { return shown.empty(); }
};

// ASCII letters lowered; every other byte kept.
std::string LowerCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Orders both lists by the shown texts compared in lower case, byte by byte. Equal texts keep
// their order, so a list reads the same on every run.
void SortEntries(BrowseEntries& entries);

// The positions, in order, of the entries whose text contains the filter in any letter case;
// every entry for an empty filter.
std::vector<std::size_t> FilterEntries(const BrowseEntries& entries, std::string_view filter);

// A line number stored as decimal entry data; none when the text is no such number.
std::optional<long> ParseLine(std::string_view text);

}  // namespace commands::navigate
