#include "workbench/find_vm.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "workbench/find_skip.h"
#include "workbench/line_ends.h"

namespace workbench {
namespace {

using Op = FindInstruction::Op;

struct Thread {
    std::uint32_t pc = 0;
    std::size_t start = 0;  // where the thread began reading
};

// The threads of one position in order of preference, each instruction at most once: the first
// thread to reach an instruction is the preferred one, and later arrivals would repeat it.
class ThreadList {
  public:
    explicit ThreadList(std::size_t size) : seen_(size, 0) {}

    void Clear() {
        threads_.clear();
        ++generation_;
    }
    // Marks the instruction; false when it already was.
    bool Visit(std::uint32_t pc) {
        if (seen_[pc] == generation_)
            return false;
        seen_[pc] = generation_;
        return true;
    }
    void Push(Thread thread) { threads_.push_back(thread); }
    const std::vector<Thread>& Threads() const { return threads_; }

  private:
    std::vector<std::uint64_t> seen_;
    std::uint64_t generation_ = 1;
    std::vector<Thread> threads_;
};

// Which way the text is read. A position lies between bytes; `Byte(p, 0)` is the byte read next
// from it and `Byte(p, 1)` the one after that, or -1 past the end.
struct Direction {
    bool backward = false;

    int Byte(std::string_view text, std::size_t p, std::size_t ahead) const {
        if (backward)
            return p > ahead ? static_cast<unsigned char>(text[p - 1 - ahead]) : -1;
        return p + ahead < text.size() ? static_cast<unsigned char>(text[p + ahead]) : -1;
    }
    std::size_t Step(std::size_t p) const { return backward ? p - 1 : p + 1; }
    bool AtEnd(std::string_view text, std::size_t p) const {
        return backward ? p == 0 : p >= text.size();
    }
    // The byte read first of a two-byte break, and the second.
    int PairFirst() const { return backward ? '\n' : '\r'; }
    int PairSecond() const { return backward ? '\r' : '\n'; }
};

class Machine {
  public:
    Machine(const FindProgram& program, std::string_view text, Direction direction)
        : program_(program),
          text_(text),
          direction_(direction),
          skip_(program.first),
          begins_(program.begins),
          current_(program.code.size()),
          next_(program.code.size()) {}

    std::optional<MatchRange> Run(std::size_t from) {
        std::optional<MatchRange> found;
        std::size_t p = from;
        current_.Clear();
        for (;;) {
            if (!found && current_.Threads().empty()) {
                // Nothing is under way: no match begins before the next byte one may begin with.
                p = direction_.backward ? SkipBackward(p) : skip_.Forward(text_, p);
                if (p == FirstByteSkip::npos)
                    return found;
            }
            // A thread that cannot read its first byte here would die at once.
            if (!found && !SplitsLineBreak(text_, p) && MayBegin(p))
                Add(current_, 0, p);
            if (current_.Threads().empty() && (found || direction_.AtEnd(text_, p)))
                return found;
            next_.Clear();
            const int byte = direction_.Byte(text_, p, 0);
            const std::size_t after = direction_.AtEnd(text_, p) ? p : direction_.Step(p);
            for (const Thread& thread : current_.Threads()) {
                const FindInstruction& in = program_.code[thread.pc];
                if (in.op == Op::kMatch) {
                    if (thread.start == p)
                        continue;
                    found = direction_.backward ? MatchRange{p, thread.start}
                                                : MatchRange{thread.start, p};
                    // Threads behind this one are less preferred; only those ahead may still
                    // reach a match they would rather give.
                    break;
                }
                if (byte < 0)
                    continue;
                if (in.op == Op::kByte && program_.sets[in.x][static_cast<std::size_t>(byte)]) {
                    Add(next_, thread.pc + 1, thread.start);
                } else if (in.op == Op::kBreak) {
                    if (byte == direction_.PairFirst() &&
                        direction_.Byte(text_, p, 1) == direction_.PairSecond())
                        Add(next_, thread.pc + 1, thread.start);
                    else if (byte == '\r' || byte == '\n')
                        Add(next_, thread.pc + 2, thread.start);
                } else if (in.op == Op::kBreakTail && byte == direction_.PairSecond()) {
                    Add(next_, thread.pc + 1, thread.start);
                }
            }
            if (direction_.AtEnd(text_, p))
                return found;
            std::swap(current_, next_);
            p = after;
        }
    }

  private:
    // The nearest position at or before `p` where a match may end: the byte before it is one
    // the mirrored program reads first, and, when matches are of bounded length, a byte a
    // match begins with lies close enough in front. npos when there is none.
    std::size_t SkipBackward(std::size_t p) {
        for (;;) {
            const std::size_t last = skip_.Backward(text_, p);
            if (last == FirstByteSkip::npos)
                return last;
            p = last + 1;
            if (program_.longest == FindProgram::kUnbounded)
                return p;
            const std::size_t begin = begins_.Backward(text_, p);
            if (begin == FirstByteSkip::npos)
                return begin;
            if (p - begin <= program_.longest)
                return p;
            p = begin + program_.longest;
        }
    }

    bool MayBegin(std::size_t p) const {
        const int byte = direction_.Byte(text_, p, 0);
        return byte >= 0 && program_.first[static_cast<std::size_t>(byte)];
    }

    // Follows jumps and splits depth-first, the preferred branch first, so the list keeps the
    // order of preference; an explicit stack, as the program may be long.
    void Add(ThreadList& list, std::uint32_t pc, std::size_t start) {
        stack_.push_back(pc);
        while (!stack_.empty()) {
            const std::uint32_t at = stack_.back();
            stack_.pop_back();
            if (!list.Visit(at))
                continue;
            const FindInstruction& in = program_.code[at];
            if (in.op == Op::kJump) {
                stack_.push_back(in.x);
            } else if (in.op == Op::kSplit) {
                stack_.push_back(in.y);
                stack_.push_back(in.x);
            } else {
                list.Push({at, start});
            }
        }
    }

    const FindProgram& program_;
    std::string_view text_;
    Direction direction_;
    FirstByteSkip skip_;
    FirstByteSkip begins_;
    ThreadList current_;
    ThreadList next_;
    std::vector<std::uint32_t> stack_;
};

}  // namespace

std::optional<MatchRange> RunFindForward(const FindProgram& program, std::string_view text,
                                         std::size_t from) {
    if (from > text.size())
        return std::nullopt;
    return Machine(program, text, Direction{false}).Run(from);
}

std::optional<MatchRange> RunFindBackward(const FindProgram& mirrored, std::string_view text,
                                          std::size_t until) {
    return Machine(mirrored, text, Direction{true}).Run(std::min(until, text.size()));
}

}  // namespace workbench
