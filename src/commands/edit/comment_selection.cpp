#include "commands/edit/comment_selection.h"

#include "analysis/line_feeds.h"
#include "analysis/text_cursor.h"
#include "commands/edit/selection_lines.h"

namespace commands::edit {

namespace {

bool At(const analysis::TextCursor& cursor, std::string_view what) {
    return cursor.Text().substr(static_cast<std::size_t>(cursor.Position())).starts_with(what);
}

// The 0-based lines of a block opened on `line` and of its closing part, when it has one.
std::optional<std::pair<int, int>> BlockFrom(std::string text, int line) {
    analysis::TextCursor cursor(analysis::WithLfLines(std::move(text)));
    if (!cursor.GotoLineColumn(line, 0))
        return std::nullopt;
    if (At(cursor, "//"))
        cursor.Move(2);
    // Only the caret line's own indentation: a block further down is not the caret's.
    while ((cursor.Current() == ' ' || cursor.Current() == '\t') && cursor.Move(1)) {
    }
    const int open = cursor.Line();
    bool closed = false;
    if (cursor.Current() == '{')
        closed = cursor.MatchBracket();
    else if (At(cursor, "#if 0"))
        closed = cursor.FindAny(1, false, {"#endif"}) >= 0;
    else if (At(cursor, "/*"))
        closed = cursor.FindAny(1, false, {"*/"}) >= 0;
    if (!closed)
        return std::nullopt;
    return std::pair{open, cursor.Line()};
}

}  // namespace

CommentSelection GetCommentSelection(editor::EditorDocument& document) {
    ide::TextSelection& selection = *document.Selection();
    CommentSelection result{selection.Text()};
    if (result.text.empty()) {
        selection.EndOfLine(false);
        selection.StartOfLine(0, true);
        const long caretLine = selection.CurrentLine();
        if (const auto block = BlockFrom(document.GetText(), static_cast<int>(caretLine - 1))) {
            MoveToLineStart(selection, block->second + 2, false);
            MoveToLineStart(selection, block->first + 1, true);
        }
        result.text = selection.Text();
    }
    const std::optional<ide::Point> top = selection.TopPoint();
    const std::optional<ide::Point> bottom = selection.BottomPoint();
    result.partial =
        top && bottom && top->line == bottom->line && (!top->atStartOfLine || !bottom->atEndOfLine);
    return result;
}

}  // namespace commands::edit
