#include "commands/navigate/browse_selection.h"

namespace commands::navigate {

BrowseRow MemberRow(const BrowseEntries& entries, const std::vector<std::size_t>& listed,
                    long currentLine) {
    if (listed.empty())
        return std::nullopt;
    for (std::size_t row = 0; row < listed.size(); ++row) {
        const std::optional<long> line = ParseLine(entries.data[listed[row]]);
        if (line && *line >= currentLine + 2)
            return row == 0 ? 0 : row - 1;
    }
    return listed.size() - 1;
}

BrowseRow CurrentRow(const BrowseEntries& entries, const std::vector<std::size_t>& listed,
                     std::string_view current) {
    if (listed.empty())
        return std::nullopt;
    for (std::size_t row = 0; row < listed.size(); ++row) {
        if (EqualsIgnoringCase(entries.data[listed[row]], current))
            return row;
    }
    return 0;
}

BrowseRow RowWithText(const BrowseEntries& entries, const std::vector<std::size_t>& listed,
                      std::string_view text) {
    if (listed.empty())
        return std::nullopt;
    for (std::size_t row = 0; row < listed.size(); ++row) {
        if (EqualsIgnoringCase(entries.shown[listed[row]], text))
            return row;
    }
    return 0;
}

}  // namespace commands::navigate
