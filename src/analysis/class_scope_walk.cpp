#include "analysis/class_scope_walk.h"

#include <array>
#include <cstring>
#include <initializer_list>

#include "analysis/char_classes.h"
#include "analysis/line_facts.h"

namespace analysis {

namespace {

constexpr std::array<bool, 256> Table(std::string_view bytes) {
    std::array<bool, 256> table{};
    for (const char c : bytes)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

// What the walk stops at, what the head search looks at, and what can change the state of
// a block being passed.
constexpr std::array<bool, 256> kScopeMarks = Table("{}:");
constexpr std::array<bool, 256> kHeadMarks = Table("cit>;}");
constexpr std::array<bool, 256> kBraceBlockMarks = Table("{}/*\r\n");
constexpr std::array<bool, 256> kAngleBlockMarks = Table("<>/*\r\n");

bool In(const std::array<bool, 256>& table, char c) {
    return table[static_cast<unsigned char>(c)];
}

// The opener of the block that the closer at `close` ends, the same one MatchBracket finds:
// a "//" met backward undoes the brackets counted since the end of its line.
std::optional<std::size_t> OpenerOf(std::string_view text, std::size_t close, LineFacts& facts) {
    const char closer = text[close];
    const char opener = closer == '}' ? '{' : '<';
    const std::array<bool, 256>& marks = closer == '}' ? kBraceBlockMarks : kAngleBlockMarks;
    const bool honourComments = !facts.HasSlashesUpTo(text, close);
    int depth = 0;
    int depthAtLineEnd = 0;
    bool inBlockComment = false;
    std::size_t at = close;
    for (;;) {
        // A byte outside the table changes nothing, inside a comment or not.
        while (at > 0 && !In(marks, text[at]))
            --at;
        const char c = text[at];
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (honourComments && c == '/' && next == '/') {
            depth = depthAtLineEnd;
            if (depth < 1)
                return std::nullopt;
        } else if (honourComments && c == '*' && next == '/') {
            inBlockComment = true;
        } else if (honourComments && inBlockComment) {
            inBlockComment = !(c == '/' && next == '*');
        } else if (c == closer) {
            ++depth;
        } else if (c == opener) {
            if (depth == 1)
                return at;
            if (--depth < 0)
                return std::nullopt;
        } else if (IsLineBreak(c)) {
            depthAtLineEnd = depth;
        }
        if (at == 0)
            return std::nullopt;
        --at;
    }
}

// The first of `strings` that begins at `at`, or -1.
int MatchAt(std::string_view text, std::size_t at,
            std::initializer_list<std::string_view> strings) {
    int index = 0;
    for (const std::string_view s : strings) {
        if (text.substr(at).starts_with(s))
            return index;
        ++index;
    }
    return -1;
}

}  // namespace

std::string WordBefore(std::string_view text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && IsOperatorChar(text[start - 1]))
        --start;
    while (start > 0 && IsIdentifierChar(text[start - 1]))
        --start;
    return std::string(text.substr(start, end - start));
}

// The word in front of a class head's ':' or '{', blanks between them passed over.
std::string NameBefore(std::string_view text, std::size_t terminator) {
    std::size_t end = terminator;
    while (end > 0 && IsWhitespace(text[end - 1]))
        --end;
    return WordBefore(text, end);
}

std::size_t ScopeWalkStart(std::string_view text, int line) {
    std::size_t at = 0;
    for (int lines = 0; lines < line && at < text.size(); ++lines) {
        const void* lf = std::memchr(text.data() + at, '\n', text.size() - at);
        at = lf == nullptr ? text.size() : static_cast<const char*>(lf) - text.data() + 1;
    }
    return at == text.size() && at > 0 ? at - 1 : at;
}

std::optional<std::size_t> WalkToScopeBrace(std::string_view text, std::size_t from,
                                            std::string& access) {
    LineFacts facts;
    std::size_t at = from;
    for (;;) {
        while (at > 0 && !(In(kScopeMarks, text[at]) && !facts.IsCommentLine(text, at)))
            --at;
        if (!In(kScopeMarks, text[at]) || facts.IsCommentLine(text, at))
            return std::nullopt;
        if (text[at] == '{')
            return at;
        if (text[at] == '}') {
            const std::optional<std::size_t> opener = OpenerOf(text, at, facts);
            if (!opener)
                return std::nullopt;
            at = *opener;
        } else if (access.empty()) {
            access = WordBefore(text, at);
        }
        if (at == 0)
            return std::nullopt;
        --at;
    }
}

bool FindClassHead(std::string_view text, std::size_t brace, std::string& className) {
    LineFacts facts;
    std::size_t at = brace;
    for (;;) {
        int hit = -1;
        for (;; --at) {
            if (In(kHeadMarks, text[at])) {
                hit = MatchAt(text, at, {"class", "interface", "template<", ">", ";", "}"});
                if (hit >= 0 && facts.IsCommentLine(text, at))
                    hit = -1;
            }
            if (hit >= 0 || at == 0)
                break;
        }
        if (hit == 0 || hit == 1) {
            // The head ends at the first ':', '{' or ';' after the keyword; the brace itself
            // stops the search at last. After a ';' (a forward declaration) the search goes on
            // in front of the keyword.
            for (std::size_t end = at; end <= brace; ++end) {
                const char c = text[end];
                if ((c == ':' || c == '{' || c == ';') && !facts.IsCommentLine(text, end)) {
                    if (c == ';')
                        break;
                    className = NameBefore(text, end);
                    return true;
                }
            }
        } else if (hit == 3) {
            // Template arguments of a base class; the '<' is not searched for.
            if (const std::optional<std::size_t> opener = OpenerOf(text, at, facts)) {
                at = *opener;
                continue;
            }
        } else {
            return false;
        }
        if (at == 0)
            return false;
        --at;
    }
}

}  // namespace analysis
