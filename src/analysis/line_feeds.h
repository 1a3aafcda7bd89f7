// Counting LFs is all the line counter costs, so it is done a word at a time.
#pragma once

#include <string_view>

namespace analysis {

// The number of LF characters in the text (which is shorter than INT_MAX).
int CountLineFeeds(std::string_view text);

}  // namespace analysis
