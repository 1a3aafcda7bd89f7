#include "workbench/find_skip.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace workbench {

using Op = FindInstruction::Op;

ByteSet FirstBytes(const FindProgram& program) {
    ByteSet first;
    std::vector<bool> seen(program.code.size(), false);
    std::vector<std::uint32_t> stack{0};
    while (!stack.empty()) {
        const std::uint32_t pc = stack.back();
        stack.pop_back();
        if (pc >= program.code.size() || seen[pc])
            continue;
        seen[pc] = true;
        const FindInstruction& in = program.code[pc];
        switch (in.op) {
            case Op::kByte:
                first |= program.sets[in.x];
                break;
            case Op::kBreak:
            case Op::kBreakTail:
                first.set('\r');
                first.set('\n');
                break;
            case Op::kSplit:
                stack.push_back(in.y);
                stack.push_back(in.x);
                break;
            case Op::kJump:
                stack.push_back(in.x);
                break;
            case Op::kMatch:
                break;
        }
    }
    return first;
}

std::size_t LongestMatch(const FindProgram& program) {
    // Without a jump or split back the program is acyclic, every branch going forward: the
    // longest reading from each instruction follows from those after it.
    const std::size_t size = program.code.size();
    std::vector<std::size_t> longest(size + 2, 0);
    for (std::size_t pc = size; pc-- > 0;) {
        const FindInstruction& in = program.code[pc];
        const auto at = [&](std::uint32_t target) { return target < size ? longest[target] : 0; };
        switch (in.op) {
            case Op::kByte:
            case Op::kBreakTail:
                longest[pc] = 1 + at(static_cast<std::uint32_t>(pc + 1));
                break;
            case Op::kBreak:
                longest[pc] = 1 + std::max(at(static_cast<std::uint32_t>(pc + 1)),
                                           at(static_cast<std::uint32_t>(pc + 2)));
                break;
            case Op::kSplit:
                if (in.x <= pc || in.y <= pc)
                    return FindProgram::kUnbounded;
                longest[pc] = std::max(at(in.x), at(in.y));
                break;
            case Op::kJump:
                if (in.x <= pc)
                    return FindProgram::kUnbounded;
                longest[pc] = at(in.x);
                break;
            case Op::kMatch:
                longest[pc] = 0;
                break;
        }
    }
    return size == 0 ? 0 : longest[0];
}

FirstByteSkip::FirstByteSkip(const ByteSet& first) {
    all_ = first.all();
    for (std::size_t b = 0; b < 256; ++b) {
        table_[b] = first[b];
        if (first[b] && count_ <= kFew) {
            if (count_ < kFew)
                few_[count_] = static_cast<char>(b);
            ++count_;
        }
    }
}

std::size_t FirstByteSkip::Forward(std::string_view text, std::size_t from) {
    if (from >= text.size())
        return npos;
    if (all_)
        return from;
    if (count_ <= kFew) {
        std::size_t best = npos;
        for (std::size_t i = 0; i < count_; ++i) {
            if (!known_[i] || (cached_[i] != npos && cached_[i] < from)) {
                cached_[i] = text.find(few_[i], from);
                known_[i] = true;
            }
            best = std::min(best, cached_[i]);
        }
        return best;
    }
    for (std::size_t i = from; i < text.size(); ++i) {
        if (table_[static_cast<unsigned char>(text[i])])
            return i;
    }
    return npos;
}

std::size_t FirstByteSkip::Backward(std::string_view text, std::size_t until) {
    until = std::min(until, text.size());
    if (until == 0)
        return npos;
    if (all_)
        return until - 1;
    if (count_ <= kFew) {
        std::size_t best = npos;
        for (std::size_t i = 0; i < count_; ++i) {
            if (!known_[i] || (cached_[i] != npos && cached_[i] >= until)) {
                cached_[i] = text.rfind(few_[i], until - 1);
                known_[i] = true;
            }
            if (cached_[i] != npos && (best == npos || cached_[i] > best))
                best = cached_[i];
        }
        return best;
    }
    for (std::size_t i = until; i > 0; --i) {
        if (table_[static_cast<unsigned char>(text[i - 1])])
            return i - 1;
    }
    return npos;
}

}  // namespace workbench
