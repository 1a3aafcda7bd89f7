// The closing brackets ')', ']' and '>' of one stretch of C/C++ code paired with their
// openers, for reading a text backwards. A jump back walks only as far as its opener; after
// the first walk that finds none, one backward sweep pairs the whole stretch, so that many
// unpaired closers cost the stretch once rather than once each. Brackets outside the code
// (per the code map) are not counted.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "analysis/code_map.h"

namespace analysis {

class BracketPairs {
  public:
    static constexpr std::ptrdiff_t kNone = -1;

    // A new stretch, text[from, to].
    void Reset(std::string_view text, CodeMap& map, std::ptrdiff_t from, std::ptrdiff_t to);
    // The opener paired with the closer at `close` within the stretch, or kNone.
    std::ptrdiff_t Opener(std::ptrdiff_t close);

  private:
    void Build();

    std::string_view text_;
    CodeMap* map_ = nullptr;
    std::ptrdiff_t from_ = 0;
    std::ptrdiff_t to_ = -1;
    bool built_ = false;
    std::vector<std::ptrdiff_t> partner_;
};

}  // namespace analysis
