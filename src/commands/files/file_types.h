// The clean-up's list of file types: patterns separated by ';'.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace commands::files {

inline constexpr const char* kDefaultFileTypes =
    "*.bsc; *.exp; *.idb; *.ilk; *.ncb; *.obj; *.pch; *.pdb; *.res; *.sbr; BuildLog.htm";

// The fields in order, blanks trimmed from both ends, empty ones dropped.
std::vector<std::string> SplitFileTypes(std::string_view types);

// Wildcard match as the file system's find does it: '*' any run, '?' one character, letter
// case ignored, and a pattern ending in ".*" also matching a name without a dot.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace commands::files
