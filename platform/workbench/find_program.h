// A parsed find pattern compiled for a Pike VM (find_vm.h): a Thompson NFA as a list of
// instructions whose order of preference gives alternation and repeats their priority.
#pragma once

#include <cstdint>
#include <vector>

#include "workbench/find_pattern.h"

namespace workbench {

struct FindInstruction {
    enum class Op : std::uint8_t {
        kByte,       // one byte of sets[x]
        kBreak,      // a line break; a two-byte break goes on in the next instruction
        kBreakTail,  // the second byte of a two-byte break
        kSplit,      // on to x, or else to y
        kJump,       // on to x
        kMatch,
    };
    Op op = Op::kMatch;
    std::uint32_t x = 0;
    std::uint32_t y = 0;
};

struct FindProgram {
    std::vector<FindInstruction> code;  // starts at 0
    std::vector<ByteSet> sets;
    // The bytes this program may read first (find_skip.h): all of them means no skipping.
    ByteSet first;
    // The bytes a match may begin with in the text's order (for a mirrored program: what the
    // forward one reads first), and the most bytes a match can span; kUnbounded when a repeat
    // makes it open-ended. Together they let a backward search skip to a match's possible start.
    static constexpr std::size_t kUnbounded = static_cast<std::size_t>(-1);
    ByteSet begins;
    std::size_t longest = kUnbounded;
};

// Mirrored, the program reads the pattern from its end: run backwards over the text, it finds
// the same matches, seen from their ends.
FindProgram CompileFindPattern(const PatternNode& root, bool mirrored);

}  // namespace workbench
