// Where a match may begin. Every match that is reported reads at least one byte, and the first
// byte it reads is one of a set the program knows, so a search that has no live thread can jump
// straight to the next such byte (memchr for a handful of bytes, a table beside that) instead
// of starting the machine at every position in between.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "workbench/find_program.h"

namespace workbench {

// The bytes a thread started at the program's beginning may read first.
ByteSet FirstBytes(const FindProgram& program);

// The most bytes one match can read, or FindProgram::kUnbounded for a program with a loop.
std::size_t LongestMatch(const FindProgram& program);

class FirstByteSkip {
  public:
    static constexpr std::size_t npos = std::string_view::npos;

    explicit FirstByteSkip(const ByteSet& first);

    // The first index at or after `from` holding a byte of the set, or npos. Within one
    // search `from` only grows.
    std::size_t Forward(std::string_view text, std::size_t from);
    // The last index before `until` holding a byte of the set, or npos. Within one search
    // `until` only shrinks.
    std::size_t Backward(std::string_view text, std::size_t until);

  private:
    static constexpr std::size_t kFew = 4;

    std::array<bool, 256> table_{};
    bool all_ = false;
    std::size_t count_ = 0;  // bytes in the set, when at most kFew
    std::array<char, kFew> few_{};
    // Per byte of a small set: its occurrence found by an earlier call, still good while the
    // search has not moved past it.
    std::array<std::size_t, kFew> cached_{};
    std::array<bool, kFew> known_{};
};

}  // namespace workbench
