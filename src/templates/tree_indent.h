// How a listing of the template tree indents a node.
#pragma once

#include <cstddef>
#include <string>

namespace templates {

inline constexpr std::size_t kIndentedLevels = 16;

// Two blanks a level up to kIndentedLevels; deeper nodes show their depth as a number after
// that indentation instead, so that a deeply nested file lists in space linear in its size.
std::string TreeIndent(std::size_t depth);

}  // namespace templates
