// Which row a Browse list selects after it was filled. Rows are positions into the listed
// entries; nothing is selected only in an empty list.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "commands/navigate/browse_entries.h"

namespace commands::navigate {

using BrowseRow = std::optional<std::size_t>;

// The member level: the row before the first whose line is at least `currentLine` + 2 (the
// first row when that is the first), so the member the caret stands in; the last row when no
// member lies that far down.
BrowseRow MemberRow(const BrowseEntries& entries, const std::vector<std::size_t>& listed,
                    long currentLine);

// The project and file levels: the row whose data is `current` in any letter case, else the
// first row.
BrowseRow CurrentRow(const BrowseEntries& entries, const std::vector<std::size_t>& listed,
                     std::string_view current);

// After the filter changed: the row showing `text` in any letter case, else the first row.
BrowseRow RowWithText(const BrowseEntries& entries, const std::vector<std::size_t>& listed,
                      std::string_view text);

}  // namespace commands::navigate
