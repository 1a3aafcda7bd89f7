#include "workbench/find_pattern.h"

#include <utility>

namespace workbench {
namespace {

using Kind = PatternNode::Kind;

bool IsPunctuation(unsigned char c) {
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}

bool IsLineBreak(unsigned char c) {
    return c == '\r' || c == '\n';
}

// Meaningful in the editor's syntax but not supported here; a literal needs a backslash.
bool IsReserved(unsigned char c) {
    switch (c) {
        case '{':
        case '}':
        case '~':
        case ':':
        case '@':
        case '#':
        case '^':
        case '$':
        case '<':
        case '>':
        case ']':
            return true;
        default:
            return false;
    }
}

void FoldCase(ByteSet& set) {
    for (unsigned char c = 'a'; c <= 'z'; ++c) {
        const unsigned char upper = static_cast<unsigned char>(c - 'a' + 'A');
        if (set[c] || set[upper]) {
            set.set(c);
            set.set(upper);
        }
    }
}

PatternNode Bytes(ByteSet set) {
    PatternNode node;
    node.kind = Kind::kBytes;
    node.bytes = set;
    return node;
}

PatternNode Wrap(Kind kind, PatternNode child) {
    PatternNode node;
    node.kind = kind;
    node.children.push_back(std::move(child));
    return node;
}

// Recursive descent; only '(' goes one level deeper, and not past kMaxPatternGroupDepth.
class Parser {
  public:
    Parser(std::string_view pattern, bool matchCase) : pattern_(pattern), matchCase_(matchCase) {}

    std::optional<PatternNode> Run(std::string& error) {
        std::optional<PatternNode> root;
        if (pattern_.empty())
            Fail("empty pattern");
        else
            root = Alternatives(0);
        if (root && !AtEnd())
            Fail("unbalanced )");
        if (!error_.empty()) {
            error = error_;
            return std::nullopt;
        }
        return root;
    }

  private:
    bool AtEnd() const { return pos_ >= pattern_.size(); }
    unsigned char Peek() const { return static_cast<unsigned char>(pattern_[pos_]); }

    std::nullopt_t Fail(const std::string& why) {
        if (error_.empty())
            error_ = why + " at offset " + std::to_string(pos_);
        return std::nullopt;
    }

    std::optional<PatternNode> Alternatives(int depth) {
        PatternNode node;
        node.kind = Kind::kAlternatives;
        for (;;) {
            std::optional<PatternNode> sequence = Sequence(depth);
            if (!sequence)
                return std::nullopt;
            node.children.push_back(std::move(*sequence));
            if (AtEnd() || Peek() != '|')
                break;
            ++pos_;
        }
        if (node.children.size() == 1)
            return std::move(node.children.front());
        return node;
    }

    std::optional<PatternNode> Sequence(int depth) {
        PatternNode node;
        node.kind = Kind::kSequence;
        while (!AtEnd() && Peek() != '|' && Peek() != ')') {
            std::optional<PatternNode> atom = Atom(depth);
            if (!atom)
                return std::nullopt;
            if (!AtEnd() && (Peek() == '*' || Peek() == '+' || Peek() == '?')) {
                const Kind kind = Peek() == '*'   ? Kind::kStar
                                  : Peek() == '+' ? Kind::kPlus
                                                  : Kind::kOptional;
                ++pos_;
                if (!AtEnd() && (Peek() == '*' || Peek() == '+' || Peek() == '?'))
                    return Fail("repeat of a repeat");
                atom = Wrap(kind, std::move(*atom));
            }
            node.children.push_back(std::move(*atom));
        }
        if (node.children.empty())
            return Fail("empty alternative or group");
        if (node.children.size() == 1)
            return std::move(node.children.front());
        return node;
    }

    std::optional<PatternNode> Atom(int depth) {
        const unsigned char c = Peek();
        if (c == '(') {
            if (depth >= kMaxPatternGroupDepth)
                return Fail("groups nested too deeply");
            ++pos_;
            std::optional<PatternNode> inner = Alternatives(depth + 1);
            if (!inner)
                return std::nullopt;
            if (AtEnd())
                return Fail("unclosed (");
            ++pos_;
            return inner;
        }
        if (c == '[')
            return Class();
        if (c == '.') {
            ++pos_;
            ByteSet any;
            any.set();
            any.reset('\r');
            any.reset('\n');
            return Bytes(any);
        }
        if (c == '*' || c == '+' || c == '?')
            return Fail("nothing to repeat");
        if (IsReserved(c))
            return Fail(std::string("unsupported ") + static_cast<char>(c) + " (escape it)");
        if (IsLineBreak(c))
            return Fail("line break in the pattern (write \\n)");
        if (c == '\\') {
            ++pos_;
            if (AtEnd())
                return Fail("dangling \\");
            if (Peek() == 'n') {
                ++pos_;
                PatternNode node;
                node.kind = Kind::kLineBreak;
                return node;
            }
            --pos_;
        }
        std::optional<unsigned char> literal = Literal(false);
        if (!literal)
            return std::nullopt;
        ByteSet set;
        set.set(*literal);
        if (!matchCase_)
            FoldCase(set);
        return Bytes(set);
    }

    // One character standing for itself, plain or escaped.
    std::optional<unsigned char> Literal(bool inClass) {
        unsigned char c = Peek();
        ++pos_;
        if (c != '\\')
            return c;
        if (AtEnd())
            return Fail("dangling \\");
        c = Peek();
        if (c == 't') {
            ++pos_;
            return '\t';
        }
        if (c == 'n' && inClass)
            return Fail("\\n in a class");
        if (!IsPunctuation(c))
            return Fail(std::string("unsupported escape \\") + static_cast<char>(c));
        ++pos_;
        return c;
    }

    std::optional<unsigned char> ClassMember() {
        if (AtEnd())
            return Fail("unclosed [");
        const unsigned char c = Peek();
        if (c == '[' || c == ':')
            return Fail(std::string("unsupported ") + static_cast<char>(c) +
                        " in a class (escape it)");
        if (IsLineBreak(c))
            return Fail("line break in a class");
        if (c >= 0x80)
            return Fail("non-ASCII byte in a class");
        return Literal(true);
    }

    std::optional<PatternNode> Class() {
        ++pos_;
        const bool negated = !AtEnd() && Peek() == '^';
        if (negated)
            ++pos_;
        if (!AtEnd() && Peek() == ']')
            return Fail("empty class");
        ByteSet set;
        while (AtEnd() || Peek() != ']') {
            std::optional<unsigned char> low = ClassMember();
            if (!low)
                return std::nullopt;
            unsigned char high = *low;
            if (pos_ + 1 < pattern_.size() && Peek() == '-' && pattern_[pos_ + 1] != ']') {
                ++pos_;
                std::optional<unsigned char> end = ClassMember();
                if (!end)
                    return std::nullopt;
                if (*end < *low)
                    return Fail("reversed range");
                high = *end;
            }
            for (unsigned c = *low; c <= high; ++c)
                set.set(c);
        }
        ++pos_;
        if (!matchCase_)
            FoldCase(set);
        if (negated) {
            set.flip();
            set.reset('\r');
            set.reset('\n');
        }
        return Bytes(set);
    }

    std::string_view pattern_;
    bool matchCase_;
    std::size_t pos_ = 0;
    std::string error_;
};

}  // namespace

std::optional<PatternNode> ParseFindPattern(std::string_view pattern, bool matchCase,
                                            std::string* error) {
    std::string reason;
    std::optional<PatternNode> root = Parser(pattern, matchCase).Run(reason);
    if (!root && error != nullptr)
        *error = reason;
    return root;
}

}  // namespace workbench
