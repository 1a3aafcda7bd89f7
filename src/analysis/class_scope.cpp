#include "analysis/class_scope.h"

#include "analysis/char_classes.h"
#include "analysis/text_cursor.h"

namespace analysis {

namespace {

// The word that ends at `end`: identifier characters, then any operator characters (so
// operator<= and T> are one word each).
std::string WordBefore(std::string_view text, int end) {
    int start = end;
    while (start > 0 && IsOperatorChar(text[start - 1]))
        --start;
    while (start > 0 && IsIdentifierChar(text[start - 1]))
        --start;
    return std::string(text.substr(start, end - start));
}

// The word in front of a class head's ':' or '{', blanks between them passed over.
std::string NameBefore(std::string_view text, int terminator) {
    int end = terminator;
    while (end > 0 && IsWhitespace(text[end - 1]))
        --end;
    return WordBefore(text, end);
}

// Walks back from the line to the brace that opens its scope, passing over whole nested
// blocks; the first colon met on the way names the access.
bool FindScopeBrace(TextCursor& cursor, std::string& access) {
    for (;;) {
        switch (cursor.FindAny(-1, true, {"{", "}", ":"})) {
            case 0:
                return true;
            case 1:
                if (!cursor.MatchBracket())
                    return false;
                break;
            case 2:
                if (access.empty())
                    access = WordBefore(cursor.Text(), cursor.Position());
                break;
            default:
                return false;
        }
        // At the start of the text nothing is left to search, and staying would find the
        // same character again.
        if (!cursor.Move(-1))
            return false;
    }
}

// From the scope's brace back to the class or interface keyword of its head.
bool FindClassHead(TextCursor& cursor, std::string& className) {
    for (;;) {
        switch (cursor.FindAny(-1, true, {"class", "interface", "template<", ">", ";", "}"})) {
            case 0:
            case 1: {
                const CursorMark keyword = cursor.GetMark();
                const int end = cursor.FindAny(1, true, {":", "{", ";"});
                if (end == 0 || end == 1) {
                    className = NameBefore(cursor.Text(), cursor.Position());
                    return true;
                }
                // A forward declaration: the search goes on in front of its keyword, never
                // from behind it, which would find the keyword again.
                cursor.SetMark(keyword);
                break;
            }
            case 3:
                // Template arguments of a base class; the '<' is not searched for.
                if (cursor.MatchBracket())
                    continue;
                break;
            default:
                return false;
        }
        if (!cursor.Move(-1))
            return false;
    }
}

}  // namespace

bool FindClassScope(std::string_view text, int line, std::string& className, std::string& access) {
    TextCursor cursor(text);
    cursor.GotoLineColumn(line, 0);
    return FindScopeBrace(cursor, access) && FindClassHead(cursor, className);
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
            className = WordBefore(all, at);
            if (!className.empty())
                return true;
            resume = at + 2;
        } else if (hit == 1) {
            const int end = headEndAhead ? cursor.FindAny(1, true, {":", "{", ";"}) : -1;
            if (end == 0 || end == 1) {
                className = NameBefore(all, cursor.Position());
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
