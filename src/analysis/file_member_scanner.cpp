#include "analysis/file_member_scanner.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>

#include "analysis/bracket_pairs.h"
#include "analysis/char_classes.h"
#include "analysis/code_map.h"
#include "analysis/line_facts.h"
#include "analysis/line_feeds.h"

namespace analysis {

namespace {

using Pos = std::ptrdiff_t;
constexpr Pos kNone = -1;

// Strings searched for together; the first in the list wins a tie.
struct WordSet {
    std::span<const std::string_view> words;
    // Per character, a bit for each word that starts with it.
    std::array<std::uint8_t, 256> starts{};

    constexpr explicit WordSet(std::span<const std::string_view> list) : words(list) {
        for (std::size_t w = 0; w < list.size(); ++w)
            starts[static_cast<unsigned char>(list[w].front())] |=
                static_cast<std::uint8_t>(1u << w);
    }
};

// What a brace's head is read back to.
enum HeadWord { kCloser, kSemicolon, kParen, kClass, kGreater, kTemplate, kEquals, kNamespace };
constexpr std::array<std::string_view, 8> kHeadWords = {"}", ";",         "(", "class",
                                                        ">", "template<", "=", "namespace"};
// A constructor's initialiser list, then the qualification in front of its name.
constexpr std::array<std::string_view, 4> kListWords = {":", "}", ";", ")"};
constexpr std::array<std::string_view, 3> kQualifierWords = {":", "}", ";"};
// How far a class head runs.
constexpr std::array<std::string_view, 3> kClassEndWords = {":", "{", ";"};

const WordSet kHeads{kHeadWords};
const WordSet kList{kListWords};
const WordSet kQualifier{kQualifierWords};
const WordSet kClassEnd{kClassEndWords};

struct Hit {
    Pos at = kNone;
    int word = -1;
};

struct Head {
    std::string name;
    Pos nameAt = kNone;
    bool comparison = false;
    bool namespaceBody = false;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

class Scanner {
  public:
    Scanner(std::string_view text, bool showClasses)
        : text_(text),
          size_(static_cast<Pos>(text.size())),
          showClasses_(showClasses),
          map_(text) {}

    void Run(std::vector<std::string>& names, std::vector<std::uint32_t>& lines);

  private:
    char At(Pos p) const { return p >= 0 && p < size_ ? text_[static_cast<std::size_t>(p)] : '\0'; }
    // A CR LF belongs to the line it ends from its CR on.
    Pos BreakStart(Pos p) const { return At(p) == '\n' && At(p - 1) == '\r' ? p - 1 : p; }
    bool CommentLine(Pos p) { return facts_.IsCommentLine(text_, static_cast<std::size_t>(p)); }

    // The next '{' of the code at or after `from` that begins a line (after an LF) or
    // ends one, as an index of the code map.
    std::size_t NextBrace(Pos from, bool& endsLine);
    bool IsCode(Pos p) { return map_.NonCodeStart(static_cast<std::size_t>(p)) == CodeMap::kNone; }
    // The next line break at or after `from` followed by '{' or '}'.
    Pos NextLineStartBracket(Pos from);
    bool WordAt(Pos p, std::string_view word) const;
    // The first word of the set at p, or -1.
    int WordAt(Pos p, const WordSet& set) const;
    Hit FindBack(Pos from, Pos floor, const WordSet& set);
    Hit FindForward(Pos from, Pos limit, const WordSet& set);

    Head ReadHead(Pos brace, Pos floor);
    Head FunctionHead(Pos paren, Pos floor);
    Head Named(Pos start, Pos end) const;

    Pos BlanksBack(Pos p, Pos floor) const;
    Pos BlanksForward(Pos p, Pos limit) const;
    // The first position of the identifier ending at p, with operator characters after it
    // when withOperators; p + 1 when there is none.
    Pos RunStartBack(Pos p, Pos floor, bool withOperators) const;
    Pos IdentifierEnd(Pos p, Pos limit) const;
    Pos AngleClose(Pos open, Pos limit) const;

    std::uint64_t LineFeeds(Pos from, Pos to) const;
    std::uint32_t LineOf(Pos p);

    std::string_view text_;
    Pos size_;
    bool showClasses_;
    CodeMap map_;
    LineFacts facts_;
    BracketPairs pairs_;
    Pos counted_ = 0;
    std::uint64_t linesBefore_ = 0;
};

std::size_t Scanner::NextBrace(Pos from, bool& endsLine) {
    for (Pos at = from;;) {
        const std::size_t brace = map_.BraceFrom(static_cast<std::size_t>(at));
        if (brace == CodeMap::kNone)
            return brace;
        const Pos i = static_cast<Pos>(map_.Open(brace));
        if (i - 1 >= from && At(i - 1) == '\n' && !CommentLine(BreakStart(i - 1))) {
            endsLine = false;
            return brace;
        }
        if (IsLineBreak(At(i + 1)) && !CommentLine(i)) {
            endsLine = true;
            return brace;
        }
        at = i + 1;
    }
}

Pos Scanner::NextLineStartBracket(Pos from) {
    for (Pos i = std::max<Pos>(from, 0); i + 1 < size_; ++i) {
        const char next = At(i + 1);
        if ((next == '{' || next == '}') && IsLineBreak(At(i)) && IsCode(i + 1) &&
            !CommentLine(BreakStart(i)))
            return i;
    }
    return kNone;
}

bool Scanner::WordAt(Pos p, std::string_view word) const {
    if (text_[static_cast<std::size_t>(p)] != word.front() ||
        text_.compare(static_cast<std::size_t>(p), word.size(), word) != 0)
        return false;
    // Keywords stand alone: "subclass" and "classroom" hold no class.
    if (IsIdentifierChar(word.front()) && IsIdentifierChar(At(p - 1)))
        return false;
    const Pos after = p + static_cast<Pos>(word.size());
    return !(IsIdentifierChar(word.back()) && IsIdentifierChar(At(after)));
}

int Scanner::WordAt(Pos p, const WordSet& set) const {
    unsigned bits = set.starts[static_cast<unsigned char>(text_[static_cast<std::size_t>(p)])];
    for (int w = 0; bits != 0; ++w, bits >>= 1) {
        if ((bits & 1u) != 0 && WordAt(p, set.words[static_cast<std::size_t>(w)]))
            return w;
    }
    return -1;
}

Hit Scanner::FindBack(Pos from, Pos floor, const WordSet& set) {
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text_.data());
    for (Pos p = std::min(from, size_ - 1); p >= std::max<Pos>(floor, 0); --p) {
        if (set.starts[bytes[p]] == 0)
            continue;
        const int word = WordAt(p, set);
        if (word < 0)
            continue;
        // Comments, literals and directives are passed over whole.
        if (const std::size_t start = map_.NonCodeStart(static_cast<std::size_t>(p));
            start != CodeMap::kNone) {
            p = static_cast<Pos>(start);
            continue;
        }
        return {p, word};
    }
    return {};
}

Hit Scanner::FindForward(Pos from, Pos limit, const WordSet& set) {
    for (Pos p = std::max<Pos>(from, 0); p <= std::min(limit, size_ - 1); ++p) {
        if (const int word = WordAt(p, set); word >= 0 && IsCode(p))
            return {p, word};
    }
    return {};
}

Pos Scanner::BlanksBack(Pos p, Pos floor) const {
    while (p >= floor && IsWhitespace(At(p)))
        --p;
    return p;
}

Pos Scanner::BlanksForward(Pos p, Pos limit) const {
    while (p < limit && IsWhitespace(At(p)))
        ++p;
    return p;
}

Pos Scanner::RunStartBack(Pos p, Pos floor, bool withOperators) const {
    while (withOperators && p >= floor && IsOperatorChar(At(p)))
        --p;
    while (p >= floor && IsIdentifierChar(At(p)))
        --p;
    return p + 1;
}

Pos Scanner::IdentifierEnd(Pos p, Pos limit) const {
    while (p < limit && IsIdentifierChar(At(p)))
        ++p;
    return p;
}

Pos Scanner::AngleClose(Pos open, Pos limit) const {
    int depth = 0;
    for (Pos p = open; p < limit; ++p) {
        const char c = At(p);
        if (c == '<') {
            ++depth;
        } else if (c == '>' && --depth == 0) {
            return p;
        }
    }
    return kNone;
}

Head Scanner::Named(Pos start, Pos end) const {
    Head head;
    if (end > start) {
        head.name = std::string(
            text_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
        head.nameAt = start;
    }
    return head;
}

Head Scanner::ReadHead(Pos brace, Pos floor) {
    pairs_.Reset(text_, map_, floor, brace);
    Pos at = brace;
    for (;;) {
        const Hit hit = FindBack(at, floor, kHeads);
        const Pos p = hit.at;
        switch (hit.word) {
            case kGreater: {
                // Over a template argument list, or past a lone '>'.
                const Pos open = pairs_.Opener(p);
                at = open != kNone ? open : p - 1;
                continue;
            }
            case kEquals: {
                // Default values written as comments: f(int a /*= 0*/, int b /* = 1*/).
                if (At(p - 2) == '/' && At(p - 1) == '*') {
                    at = p - 2;
                    continue;
                }
                if (At(p - 3) == '/' && At(p - 2) == '*' && At(p - 1) == ' ') {
                    at = p - 3;
                    continue;
                }
                const char before = At(p - 1);
                if (before == '=' || before == '!' || before == '<' || before == '>') {
                    Head head;
                    head.comparison = true;
                    return head;
                }
                // An initialiser: int table[] = {
                Pos end = BlanksBack(p - 1, floor);
                if (At(end) == ']' && end >= floor) {
                    const Pos open = pairs_.Opener(end);
                    end = BlanksBack((open != kNone ? open : end) - 1, floor);
                }
                return Named(RunStartBack(end, floor, true), end + 1);
            }
            case kNamespace: {
                Head head;
                const Pos after = p + 9;
                if (!IsBlank(At(after)))
                    return head;
                const Pos start = BlanksForward(after, brace);
                head = Named(start, IdentifierEnd(start, brace));
                // Its body is read, not passed over: its items are listed too.
                head.namespaceBody = true;
                return head;
            }
            case kTemplate: {
                // template<class T> struct X { is named after the word that follows.
                const Pos open = p + 8;
                const Pos close = AngleClose(open, brace);
                Pos start = BlanksForward((close != kNone ? close : open) + 1, brace);
                Pos end = IdentifierEnd(start, brace);
                // The name follows the class key: template<class T> struct X { gives X.
                const std::string_view key = text_.substr(static_cast<std::size_t>(start),
                                                          static_cast<std::size_t>(end - start));
                if (key == "struct" || key == "union" || key == "class") {
                    start = BlanksForward(end, brace);
                    end = IdentifierEnd(start, brace);
                }
                return Named(start, end);
            }
            case kClass: {
                const Hit end = FindForward(p, brace, kClassEnd);
                if (end.word == 0) {
                    // class CFoo : public CBar {
                    const Pos last = BlanksBack(end.at - 1, p);
                    return Named(RunStartBack(last, p, false), last + 1);
                }
                const Pos start = BlanksForward(p + 5, brace);
                return Named(start, IdentifierEnd(start, brace));
            }
            case kParen:
                return FunctionHead(p, floor);
            default:
                return {};
        }
    }
}

Head Scanner::FunctionHead(Pos paren, Pos floor) {
    const Pos last = BlanksBack(paren - 1, floor);
    Pos start = RunStartBack(last, floor, true);
    if (start > last)
        return {};
    Pos end = paren;
    // CFoo::CFoo(int a) : m_a(a), m_b(0) is listed as CFoo, not as m_b.
    Pos at = start - 1;
    for (;;) {
        const Hit hit = FindBack(at, floor, kList);
        if (hit.word == 3) {
            const Pos open = pairs_.Opener(hit.at);
            at = (open != kNone ? open : hit.at) - 1;
            continue;
        }
        if (hit.word != 0 || At(hit.at - 1) == ':')
            break;
        const Hit qualifier = FindBack(hit.at - 1, floor, kQualifier);
        if (qualifier.word == 0 && At(qualifier.at - 1) == ':') {
            const Pos nameStart = BlanksForward(qualifier.at + 1, paren);
            const Pos nameEnd = IdentifierEnd(nameStart, paren);
            if (nameEnd > nameStart) {
                start = nameStart;
                end = nameEnd;
                while (IsBlank(At(end)) && end < paren)
                    ++end;
                if (At(end) != '(')
                    end = nameEnd;
            }
        }
        break;
    }
    Head head = Named(start, end);
    if (showClasses_ && At(start - 1) == ':' && At(start - 2) == ':') {
        const Pos qualifierStart = RunStartBack(start - 3, floor, false);
        if (qualifierStart <= start - 3)
            head.name =
                std::string(text_.substr(static_cast<std::size_t>(qualifierStart),
                                         static_cast<std::size_t>(start - qualifierStart))) +
                head.name;
    }
    return head;
}

std::uint64_t Scanner::LineFeeds(Pos from, Pos to) const {
    std::uint64_t count = 0;
    constexpr Pos kChunk = Pos{1} << 30;  // below what CountLineFeeds takes
    for (; from < to; from += kChunk)
        count += static_cast<std::uint64_t>(
            CountLineFeeds(text_.substr(static_cast<std::size_t>(from),
                                        static_cast<std::size_t>(std::min(kChunk, to - from)))));
    return count;
}

std::uint32_t Scanner::LineOf(Pos p) {
    if (p >= counted_)
        linesBefore_ += LineFeeds(counted_, p);
    else
        linesBefore_ -= LineFeeds(p, counted_);
    counted_ = p;
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(linesBefore_ + 1, std::numeric_limits<std::uint32_t>::max()));
}

void Scanner::Run(std::vector<std::string>& names, std::vector<std::uint32_t>& lines) {
    bool recorded = false;
    std::uint32_t lastLine = 0;
    Pos from = 0;
    Pos floor = 0;
    for (;;) {
        bool endsLine = false;
        const std::size_t index = NextBrace(from, endsLine);
        if (index == CodeMap::kNone)
            return;
        const Pos brace = static_cast<Pos>(map_.Open(index));
        Head head = ReadHead(brace, floor);
        from = brace + 1;
        floor = brace;
        if (head.comparison) {
            // if (a == b) { names nothing; go on at the next brace that begins a line.
            const Pos next = NextLineStartBracket(brace);
            if (next != kNone)
                from = next;
            continue;
        }
        if (!head.name.empty()) {
            const std::uint32_t line = LineOf(head.nameAt);
            if (recorded && line <= lastLine) {
                const Pos next = NextLineStartBracket(brace + 1);
                if (next == kNone)
                    return;
                from = next;
                continue;
            }
            names.push_back(std::move(head.name));
            lines.push_back(line);
            recorded = true;
            lastLine = line;
        } else if (endsLine) {
            continue;
        }
        if (head.namespaceBody)
            continue;
        const std::size_t close = map_.Closing(index);
        if (close != CodeMap::kNone) {
            from = static_cast<Pos>(close);
            floor = from;
        }
    }
}

}  // namespace

void ScanFileMembers(std::string_view text, bool showClasses, std::vector<std::string>& names,
                     std::vector<std::uint32_t>& lines) {
    Scanner(text, showClasses).Run(names, lines);
}

}  // namespace analysis
