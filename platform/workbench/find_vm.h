// Runs a find program over a text as a Pike VM: every thread advances in step, one byte at a
// time, and a new thread starts at each position until a match is found, so a search is
// O(text x program) with no backtracking. Among the matches that begin nearest the start of the
// search, the one of the most preferred thread wins (leftmost-first: the first alternative that
// matches, repeats as long as they can). Empty matches are never reported. No match begins or
// ends between the CR and LF of a line break.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "workbench/find_program.h"
#include "workbench/matcher.h"

namespace workbench {

// Forward from `from`: the match that begins nearest at or after it.
std::optional<MatchRange> RunFindForward(const FindProgram& program, std::string_view text,
                                         std::size_t from);

// A mirrored program backwards from `until`: the match that ends nearest at or before it.
std::optional<MatchRange> RunFindBackward(const FindProgram& mirrored, std::string_view text,
                                          std::size_t until);

}  // namespace workbench
