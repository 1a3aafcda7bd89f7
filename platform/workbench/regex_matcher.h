// FindText's regular-expression engine, the workbench's default (find_pattern.h has the syntax).
// Downward, of the matches that begin nearest the caret the first alternative wins and repeats
// are greedy. Upward the pattern is read mirrored from the caret back, so of the matches that
// end nearest the caret, again the first alternative wins and repeats reach as far back as
// they can.
#pragma once

#include <memory>
#include <string>

#include "workbench/matcher.h"

namespace workbench {

// Empty for a pattern outside the syntax. Of the options only match case matters here.
std::unique_ptr<Matcher> MakeRegexMatcher(const std::string& pattern, long options);

}  // namespace workbench
