// Lines of a plain text as the editing commands take them apart: a line ends with CR LF, a
// lone LF or a lone CR, and keeps its own line end.
#pragma once

#include <cstddef>
#include <string_view>

namespace commands::edit {

// The length of the line end starting at `at`: 2 for CR LF, 1 for a lone CR or LF, else 0.
std::size_t LineEndLength(std::string_view text, std::size_t at);

// Takes the first line off `rest`, line end included; the whole text when it has none.
std::string_view SplitFirstLine(std::string_view& rest);

// The line end the text ends with; empty when its last line has none.
std::string_view FinalLineEnd(std::string_view text);

// The number of line ends in the text.
long CountLineEnds(std::string_view text);

// The first line end in the text, so that new lines match the old; `fallback` when there is
// none.
std::string_view LineEndStyle(std::string_view text, std::string_view fallback);

}  // namespace commands::edit
