#include "commands/members/paste_layout.h"

#include "analysis/text_cursor.h"

namespace commands::members {

PasteLayout LearnPasteLayout(std::string_view text, int line) {
    analysis::TextCursor cursor(text);
    cursor.GotoLineColumn(line, 0);
    if (cursor.FindAny(-1, false, {";"}) < 0)
        return {};
    cursor.Move(-1);
    const analysis::CursorMark end = cursor.GetMark();
    // A function's name stands before its parameter list; above data the ';' found ends the
    // declaration before it.
    if (cursor.FindAny(-1, false, {")", ";"}) == 0) {
        cursor.MatchBracket();
        cursor.Move(-1);
    } else {
        cursor.SetMark(end);
    }

    PasteLayout layout;
    cursor.SkipIdentifier(-1);
    cursor.Move(1);
    layout.alignColumn = cursor.DisplayColumn();
    cursor.GotoLineStart();
    cursor.SkipWhitespace(1);
    layout.indent = cursor.DisplayColumn();
    return layout;
}

}  // namespace commands::members
