// The editor's regular-expression syntax as FindText takes it, parsed into a tree. Supported:
// literal bytes; `.` (any byte but a line break); `\n` (a line break: CR LF as one unit, a lone
// LF or a lone CR); `\t`; a backslash before any ASCII punctuation for that character; classes
// `[...]` and `[^...]` with ranges, `\t` and escaped punctuation (never matching a line break);
// groups `( )`; alternation `|`; greedy `*`, `+` and `?`. What the editor's syntax gives another
// meaning, or this one none, is rejected rather than taken literally, so a pattern is never
// quietly misread: `{ } ~ : @ # ^ $ < > ]` unescaped, escaped letters and digits other than `\n`
// and `\t`, `[` and `:` unescaped in a class, non-ASCII bytes in a class, raw line breaks, empty
// alternatives and groups, a repeat of a repeat.
#pragma once

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace workbench {

using ByteSet = std::bitset<256>;

struct PatternNode {
    enum class Kind { kBytes, kLineBreak, kSequence, kAlternatives, kStar, kPlus, kOptional };
    Kind kind = Kind::kSequence;
    ByteSet bytes;                      // kBytes: the bytes the node matches, one of them
    std::vector<PatternNode> children;  // in order; a repeat has exactly one
};

// Deeper nesting is rejected, which bounds every walk over the tree.
inline constexpr int kMaxPatternGroupDepth = 32;

// The tree of the pattern; without match case an ASCII letter stands for both of its cases,
// in classes too. Empty, with the reason in `error`, for a pattern outside the syntax above.
std::optional<PatternNode> ParseFindPattern(std::string_view pattern, bool matchCase,
                                            std::string* error = nullptr);

}  // namespace workbench
