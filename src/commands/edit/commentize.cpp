#include "commands/edit/commentize.h"

#include "commands/edit/comment_selection.h"
#include "commands/edit/selection_lines.h"
#include "commands/edit/toggle_comment.h"
#include "editor/command_frame.h"

namespace commands::edit {

namespace {

// Part of one line: the new text selected again, the caret at the end it was at.
void ToggleInline(ide::TextSelection& selection, const std::string& text, long caretColumn) {
    const std::string toggled = ToggleInlineComment(text);
    if (!selection.IsEmpty())
        selection.Delete(1);
    const bool caretAtStart = selection.CurrentColumn() == caretColumn;
    const std::optional<ide::Point> start = selection.TopPoint();
    selection.SetText(toggled);
    if (!start)
        return;
    const long end = start->lineCharOffset + static_cast<long>(toggled.size());
    if (caretAtStart) {
        selection.MoveTo(start->line, end, false);
        selection.MoveTo(start->line, start->lineCharOffset, true);
    } else {
        selection.MoveTo(start->line, start->lineCharOffset, false);
        selection.MoveTo(start->line, end, true);
    }
}

}  // namespace

void Commentize(const CommandContext& context) {
    editor::RunCommand(context.platform, false, [&] {
        if (context.environment == nullptr)
            throw editor::CommandAbort::Silent();
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        bool isText = false;
        document.Attach(std::nullopt, &isText);
        if (!isText)
            throw editor::CommandAbort::Silent();
        ide::TextSelection& selection = *document.Selection();
        const CommentSelection selected = GetCommentSelection(document);
        const long top = selection.TopLine();
        long bottom = selection.BottomLine();
        long caret = selection.CurrentLine();
        if (selected.partial) {
            ToggleInline(selection, selected.text, selection.CurrentColumn());
            return;
        }

        const ToggledText toggled =
            ToggleComment(selected.text, CommentStyleFromNumber(context.settings.commentizeStyle));
        if (caret == bottom)
            caret += toggled.shift;
        bottom += toggled.shift;
        document.InsertText(toggled.text);
        if (bottom == top) {
            MoveToLineStart(selection, top, false);
            selection.EndOfLine(false);
            selection.StartOfLine(0, true);
        } else {
            SelectLines(selection, caret == top ? bottom : top, caret);
        }
    });
}

}  // namespace commands::edit
