#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace editor {

// True when the text after the last '.' of the whole text (all of it without a '.') equals
// one of the entries, ignoring case. The dot may stand in a directory name: that is kept.
bool MatchesExtensionList(std::string_view text, const std::vector<std::string>& extensions);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The list of IDL extensions.
const std::vector<std::string>& IdlExtensions();

}  // namespace editor
