#include "workbench/find_program.h"

#include "workbench/find_skip.h"

namespace workbench {
namespace {

using Op = FindInstruction::Op;
using Kind = PatternNode::Kind;

class Compiler {
  public:
    explicit Compiler(bool mirrored) : mirrored_(mirrored) {}

    FindProgram Run(const PatternNode& root) {
        Emit(root);
        Add(Op::kMatch);
        program_.first = FirstBytes(program_);
        program_.begins = program_.first;
        program_.longest = LongestMatch(program_);
        return std::move(program_);
    }

  private:
    std::uint32_t Here() const { return static_cast<std::uint32_t>(program_.code.size()); }

    std::uint32_t Add(Op op, std::uint32_t x = 0, std::uint32_t y = 0) {
        program_.code.push_back({op, x, y});
        return Here() - 1;
    }

    // The tree is as deep as its groups are nested, which the parser bounds.
    void Emit(const PatternNode& node) {
        switch (node.kind) {
            case Kind::kBytes:
                program_.sets.push_back(node.bytes);
                Add(Op::kByte, static_cast<std::uint32_t>(program_.sets.size() - 1));
                return;
            case Kind::kLineBreak:
                Add(Op::kBreak);
                Add(Op::kBreakTail);
                return;
            case Kind::kSequence:
                if (mirrored_) {
                    for (auto child = node.children.rbegin(); child != node.children.rend();
                         ++child)
                        Emit(*child);
                } else {
                    for (const PatternNode& child : node.children)
                        Emit(child);
                }
                return;
            case Kind::kAlternatives: {
                std::vector<std::uint32_t> exits;
                for (std::size_t i = 0; i + 1 < node.children.size(); ++i) {
                    const std::uint32_t split = Add(Op::kSplit, Here() + 1);
                    Emit(node.children[i]);
                    exits.push_back(Add(Op::kJump));
                    program_.code[split].y = Here();
                }
                Emit(node.children.back());
                for (std::uint32_t exit : exits)
                    program_.code[exit].x = Here();
                return;
            }
            case Kind::kStar: {
                const std::uint32_t split = Add(Op::kSplit, Here() + 1);
                Emit(node.children.front());
                Add(Op::kJump, split);
                program_.code[split].y = Here();
                return;
            }
            case Kind::kPlus: {
                const std::uint32_t body = Here();
                Emit(node.children.front());
                Add(Op::kSplit, body, Here() + 1);
                return;
            }
            case Kind::kOptional: {
                const std::uint32_t split = Add(Op::kSplit, Here() + 1);
                Emit(node.children.front());
                program_.code[split].y = Here();
                return;
            }
        }
    }

    bool mirrored_;
    FindProgram program_;
};

}  // namespace

FindProgram CompileFindPattern(const PatternNode& root, bool mirrored) {
    FindProgram program = Compiler(mirrored).Run(root);
    if (mirrored)
        program.begins = Compiler(false).Run(root).first;
    return program;
}

}  // namespace workbench
