#include "analysis/class_scope.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

#include "analysis/char_classes.h"
#include "analysis/class_scope_walk.h"
#include "analysis/text_cursor.h"

namespace analysis {

bool FindClassScope(std::string_view text, int line, std::string& className, std::string& access) {
    // The walk reads nothing after the line's first two characters, so only they need to be
    // free of the NUL that ends the text; the text is neither searched whole nor copied.
    if (text.size() >= static_cast<std::size_t>(INT_MAX) && text.find('\0') >= INT_MAX)
        throw std::length_error("FindClassScope: text too long");
    std::size_t from = ScopeWalkStart(text, line);
    if (const void* nul = std::memchr(text.data(), '\0', std::min(from + 2, text.size()))) {
        text =
            text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
        from = ScopeWalkStart(text, line);
    }
    if (text.empty())
        return false;
    const std::optional<std::size_t> brace =
        WalkToScopeBrace(text.substr(0, std::min(from + 2, text.size())), from, access);
    if (!brace)
        return false;
    return FindClassHead(text, *brace, className);
}

bool FindDefinitionClass(std::string_view text, int line, std::string& className) {
    className.clear();
    TextCursor cursor(text);
    const std::string_view all = cursor.Text();
    cursor.GotoLineColumn(line, 0);
    // Once a class keyword had nothing after it to end its head, no later one has.
    bool headEndAhead = true;
    for (;;) {
        const int hit = cursor.FindAny(1, true, {"::", "class ", "template<"});
        const int at = cursor.Position();
        int resume = 0;
        if (hit == 0) {
            className = WordBefore(all, static_cast<std::size_t>(at));
            if (!className.empty())
                return true;
            resume = at + 2;
        } else if (hit == 1) {
            const int end = headEndAhead ? cursor.FindAny(1, true, {":", "{", ";"}) : -1;
            if (end == 0 || end == 1) {
                className = NameBefore(all, static_cast<std::size_t>(cursor.Position()));
                return true;
            }
            headEndAhead = end == 2;
            resume = end == 2 ? cursor.Position() : at + 6;
        } else if (hit == 2) {
            cursor.Move(8);  // onto the '<'
            resume = at + 9;
            if (cursor.MatchBracket()) {
                if (!cursor.Move(1))
                    return false;
                cursor.SkipWhitespace(1);
                int end = cursor.Position();
                while (end < cursor.Length() && IsIdentifierChar(all[end]))
                    ++end;
                className = all.substr(cursor.Position(), end - cursor.Position());
                if (!className.empty())
                    return true;
                resume = cursor.Position();
            }
        } else {
            return false;
        }
        if (!cursor.SetPosition(resume))
            return false;
    }
}

}  // namespace analysis
