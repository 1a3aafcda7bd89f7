// ParseDeclaration: reads one declaration backwards from its end with a TextCursor.
#include <algorithm>
#include <climits>
#include <string>

#include "analysis/char_classes.h"
#include "analysis/declaration_words.h"
#include "analysis/member_record.h"
#include "analysis/text_cursor.h"

namespace analysis {

namespace {

// Each line cut at its first "//" and ended with one LF (CR LF, LF and a lone CR all end a
// line); trailing blanks dropped; one space in front, so that no name starts the text and
// every backward walk stops on a blank. A text that ends with neither ';' nor '{' gets a
// ';': the reader takes the last character for the terminator, and without one the last
// character of a name or of "const" would be lost.
std::string CleanDeclaration(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::string joined;
    joined.reserve(text.size() + 1);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t lineEnd = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = text.substr(at, lineEnd - at);
        joined += line.substr(0, line.find("//"));
        joined += '\n';
        at = lineEnd;
        if (at < text.size() && text[at] == '\r') {
            ++at;
        }
        if (at < text.size() && text[at] == '\n') {
            ++at;
        }
    }
    std::string clean = " ";
    clean += TrimRight(joined);
    if (clean.back() != ';' && clean.back() != '{') {
        clean += ';';
    }
    return clean;
}

std::string_view Between(std::string_view text, int from, int to) {
    return to > from
               ? text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from))
               : std::string_view();
}

// Commas split the list, except inside nested parentheses.
void SplitParameters(MemberRecord& record, std::string_view list) {
    TextCursor cursor(list);
    const int length = cursor.Length();
    int start = 0;
    int at = 0;
    bool commaMet = false;
    while (at < length) {
        cursor.SetPosition(at);
        const int hit = cursor.FindAny(1, true, {",", "("});
        if (hit < 0) {
            break;
        }
        const int found = cursor.Position();
        if (hit == 0) {
            record.AddParam(Between(list, start, found));
            start = found + 1;
            commaMet = true;
            at = found + 1;
        } else if (cursor.MatchBracket()) {
            at = cursor.Position() + 1;
        } else {
            record.AddParam(Between(list, start, length));
            return;
        }
    }
    // A blank list is no parameter; "(void)" is the one parameter void.
    const std::string_view rest = Between(list, start, length);
    if (commaMet || !Trim(rest).empty()) {
        record.AddParam(rest);
    }
}

// Where a constructor's initialiser list begins, when the parenthesis opening at `open` is
// one of its entries (name(...) after ") :" or after "),"); else -1.
int InitialiserListStart(std::string_view text, int open) {
    int p = open - 1;
    const auto skip = [&](bool (*inRun)(char)) {
        while (p > 0 && inRun(text[p])) {
            --p;
        }
    };
    skip(IsWhitespace);
    skip(IsIdentifierChar);
    skip(IsWhitespace);
    const bool separator = text[p] == ',' || (text[p] == ':' && p > 0 && text[p - 1] != ':');
    if (!separator) {
        return -1;
    }
    int q = p - 1;
    while (q > 0 && IsWhitespace(text[q])) {
        --q;
    }
    return q > 0 && text[q] == ')' ? p : -1;
}

// The parameter list and what follows it. The cursor is on the ')' and ends on its '('
// (or stays on the ')' when it has none). In a definition the last parenthesis may close
// an entry of a constructor's initialiser list: the list is passed over, or every such
// constructor would be read as one named after its last initialised member.
void ReadFunction(MemberRecord& record, TextCursor& k, std::string_view text, int end, bool body) {
    int close = k.Position();
    while (k.MatchBracket()) {
        const int start = body ? InitialiserListStart(text, k.Position()) : -1;
        if (start < 0) {
            record.SetPostfix(Between(text, close + 1, end));
            record.Function = true;
            SplitParameters(record, Between(text, k.Position() + 1, close));
            record.Body = body;
            return;
        }
        end = start;
        close =
            static_cast<int>(TrimRight(text.substr(0, static_cast<std::size_t>(start))).size()) - 1;
        k.SetPosition(close);
    }
    record.SetPostfix(Between(text, close + 1, end));
}

// Initialiser and array dimensions, found backwards; the cursor ends on the first of them,
// or stays where it was when there are none. False when a ']' has no '['.
bool ReadData(MemberRecord& record, TextCursor& k, std::string_view text, int end) {
    int currentEnd = end;
    int equals = -1;
    // The value runs to where the data ended when its last '=' was met, so that a == b
    // in an initialiser stays whole.
    int valueEnd = end;
    std::vector<std::string_view> dimensions;  // right to left
    bool found = false;
    for (;;) {
        const int hit = k.FindAny(-1, true, {"=", "]"});
        if (hit < 0) {
            break;
        }
        found = true;
        if (hit == 0) {
            if (equals < 0) {
                valueEnd = currentEnd;
            }
            equals = k.Position();
        } else {
            if (!k.MatchBracket()) {
                return false;
            }
            dimensions.push_back(Between(text, k.Position(), currentEnd));
        }
        currentEnd = k.Position();
        if (!k.Move(-1)) {
            break;
        }
    }
    if (equals >= 0) {
        record.SetValue(Between(text, equals + 1, valueEnd));
    }
    std::string postfix;
    for (auto piece = dimensions.rbegin(); piece != dimensions.rend(); ++piece) {
        postfix += *piece;
    }
    record.SetPostfix(postfix);
    if (found) {
        k.Move(1);
    }
    return true;
}

// The name in front of the cursor: an identifier or operator name, or a macro with the
// name in parentheses. The cursor ends on the first character of the name or macro.
bool ReadName(MemberRecord& record, TextCursor& k, std::string_view text) {
    const int nameEnd = k.Position();
    k.Move(-1);
    k.SkipWhitespace(-1);
    k.SkipIdentifier(-1);
    // The brackets of operator() and operator[] are part of the name.
    const int at = k.Position();
    for (std::string_view name : {"operator()", "operator[]"}) {
        const int start = at + 1 - static_cast<int>(name.size());
        if (start > 0 && Between(text, start, at + 1) == name) {
            record.Member = std::string(name);
            k.SetPosition(start);
            return true;
        }
    }
    if (k.Current() != ')') {
        k.Move(1);
        record.Member = std::string(Trim(Between(text, k.Position(), nameEnd)));
        return !record.Member.empty();
    }
    const int close = k.Position();
    if (!k.MatchBracket()) {
        return false;
    }
    const int open = k.Position();
    k.Move(-1);
    k.SkipIdentifier(-1);
    const int macroStart = k.Position() + 1;
    const std::string_view inside = Trim(Between(text, open + 1, close));
    const std::string_view macro = Trim(Between(text, macroStart, open));
    if (inside.empty() || macro.empty()) {
        return false;
    }
    record.Member = std::string(inside);
    record.Macro = std::string(macro);
    k.SetPosition(macroStart);
    return true;
}

// A Class:: (with template arguments) in front of the name at the cursor. Leaves the
// cursor on the first character of the qualified name.
bool ReadQualification(MemberRecord& record, TextCursor& k, std::string_view text) {
    const int nameStart = k.Position();
    if (nameStart < 2 || text[nameStart - 1] != ':' || text[nameStart - 2] != ':') {
        return false;
    }
    const int colons = nameStart - 2;
    k.SetPosition(colons - 1);
    if (k.Current() == '>') {
        k.MatchBracket();
    }
    k.SkipIdentifier(-1);
    const int classStart = k.Position() + 1;
    record.Class = std::string(Trim(Between(text, classStart, colons)));
    k.SetPosition(classStart);
    return true;
}

}  // namespace

bool ParseDeclaration(bool sourceFile, MemberRecord& record, std::string_view text,
                      std::string_view className, std::string_view accessText) {
    const std::string clean = CleanDeclaration(text);
    if (clean.size() >= static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    TextCursor k(clean);
    k.GotoEnd();
    bool body = false;
    if (k.Current() == '{') {
        body = true;
        k.Move(-1);
    }
    const int end = k.Position();
    if (k.FindAny(-1, true, {"(", ")"}) == 1) {
        ReadFunction(record, k, clean, end, body);
    } else if (!ReadData(record, k, clean, end)) {
        return false;
    }
    if (!ReadName(record, k, clean)) {
        return false;
    }
    const bool qualified = ReadQualification(record, k, clean);
    // Only the name's own line: type words on an earlier line are not seen.
    const std::size_t lineStart = clean.rfind('\n', static_cast<std::size_t>(k.Position())) + 1;
    record.SetSpecifiers(Between(clean, static_cast<int>(lineStart), k.Position()));
    if (!className.empty()) {
        if (qualified && record.Class != className) {
            return false;
        }
        record.Class = std::string(className);
        record.SetAccess(accessText);
        record.Decl = true;
        if (record.Function) {
            record.InlineBody = record.Body;
        }
    }
    // A global variable defined in a source file is declared extern elsewhere.
    if (record.Class.empty() && !record.Function && sourceFile) {
        record.Extern = true;
    }
    return true;
}

}  // namespace analysis
