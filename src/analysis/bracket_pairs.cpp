#include "analysis/bracket_pairs.h"

#include <array>
#include <cstdlib>

namespace analysis {

namespace {

using Pos = std::ptrdiff_t;

// Closers by kind (1 to 3), openers negated.
constexpr std::array<int, 256> kBracketKind = [] {
    std::array<int, 256> kinds{};
    kinds['>'] = 1;
    kinds[']'] = 2;
    kinds[')'] = 3;
    kinds['<'] = -1;
    kinds['['] = -2;
    kinds['('] = -3;
    return kinds;
}();

int KindAt(std::string_view text, Pos at) {
    return kBracketKind[static_cast<unsigned char>(text[static_cast<std::size_t>(at)])];
}

}  // namespace

void BracketPairs::Reset(std::string_view text, CodeMap& map, Pos from, Pos to) {
    text_ = text;
    map_ = &map;
    from_ = from;
    to_ = to;
    built_ = false;
}

Pos BracketPairs::Opener(Pos close) {
    if (close < from_ || close > to_)
        return kNone;
    if (built_)
        return partner_[static_cast<std::size_t>(close - from_)];
    const int kind = KindAt(text_, close);
    int depth = 0;
    for (Pos i = close; i >= from_; --i) {
        const int k = KindAt(text_, i);
        if (k != kind && k != -kind)
            continue;
        if (const std::size_t start = map_->NonCodeStart(static_cast<std::size_t>(i));
            start != CodeMap::kNone) {
            i = static_cast<Pos>(start);
            continue;
        }
        depth += k == kind ? 1 : -1;
        if (depth == 0)
            return i;
    }
    Build();
    return kNone;
}

void BracketPairs::Build() {
    partner_.assign(static_cast<std::size_t>(to_ - from_ + 1), kNone);
    std::array<std::vector<Pos>, 3> waiting;
    for (Pos i = to_; i >= from_; --i) {
        const int kind = KindAt(text_, i);
        if (kind == 0)
            continue;
        if (const std::size_t start = map_->NonCodeStart(static_cast<std::size_t>(i));
            start != CodeMap::kNone) {
            i = static_cast<Pos>(start);
            continue;
        }
        std::vector<Pos>& stack = waiting[static_cast<std::size_t>(std::abs(kind) - 1)];
        if (kind > 0) {
            stack.push_back(i);
        } else if (!stack.empty()) {
            partner_[static_cast<std::size_t>(stack.back() - from_)] = i;
            stack.pop_back();
        }
    }
    built_ = true;
}

}  // namespace analysis
