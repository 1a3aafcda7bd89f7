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
};

// Mirrored, the program reads the pattern from its end: run backwards over the text, it finds
// the same matches, seen from their ends.
FindProgram CompileFindPattern(const PatternNode& root, bool mirrored);

}  // namespace workbench
