// Column arithmetic of the analysis and generation code, with the tab width fixed at 4
// whatever the editor's own setting.
#pragma once

#include <string>
#include <string_view>

namespace analysis {

inline constexpr int kTabWidth = 4;

// Display width of the text up to its first NUL, CR or LF. With stopAtNonBlank the walk
// also ends at the first character other than space or tab: the width of the indentation.
int ColumnWidth(std::string_view text, bool stopAtNonBlank);

// Tabs and then spaces making up `width` columns. For width <= 0: one tab if tabIfZero,
// else nothing.
std::string MakeIndent(int width, bool tabIfZero);

// The text without its trailing white space, padded with tabs and spaces to reach
// `column`; unpadded when it already reaches it.
std::string PadToColumn(std::string_view text, int column);

}  // namespace analysis
