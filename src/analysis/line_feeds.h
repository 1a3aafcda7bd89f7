// Counting LFs is all the line counter costs, so it is done a word at a time.
#pragma once

#include <string>
#include <string_view>

namespace analysis {

// The number of LF characters in the text (which is shorter than INT_MAX).
int CountLineFeeds(std::string_view text);

// The cursor counts lines by their LF, the editor by any line break: a lone CR becomes an LF
// so that both count the same lines, every offset staying where it was.
std::string WithLfLines(std::string text);

}  // namespace analysis
