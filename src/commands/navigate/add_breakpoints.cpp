#include "commands/navigate/add_breakpoints.h"

#include "analysis/line_facts.h"
#include "analysis/line_feeds.h"
#include "analysis/text_cursor.h"
#include "editor/command_frame.h"
#include "editor/editor_document.h"

namespace commands::navigate {

void AddBreakpoints(const CommandContext& context) {
    if (context.environment == nullptr)
        return;
    editor::RunCommand(context.platform, true, [&] {
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        if (!document.Attach() || !document.IsSourceFile())
            throw editor::CommandAbort::Silent();
        const ide::Ref<ide::Debugger> debugger = context.environment->GetDebugger();
        const ide::Ref<ide::Breakpoints> breakpoints =
            debugger ? debugger->GetBreakpoints() : nullptr;
        const ide::Ref<ide::TextSelection> selection = document.Selection();
        if (!breakpoints || !selection)
            throw editor::CommandAbort::Silent();

        const long caretLine = selection->CurrentLine();
        const long caretColumn = selection->CurrentColumn();
        analysis::TextCursor cursor(analysis::WithLfLines(document.GetText()));
        analysis::LineFacts lines;
        // A '{' opening a line marks a body in that layout; its head stands on the line above,
        // the line that the break in front of the '{' ends. Below a // comment line there is
        // none; a CR LF break belongs to its line from the CR on.
        while (cursor.FindAny(1, false, {"\r{", "\n{"}) >= 0) {
            const std::string_view text = cursor.Text();
            const auto at = static_cast<std::size_t>(cursor.Position());
            if (lines.IsCommentLine(text, at > 0 && text[at - 1] == '\r' ? at - 1 : at)) {
                cursor.Move(1);
                continue;
            }
            const long line = cursor.Line() + 1L;
            ide::BreakpointRequest request;
            request.file = document.FullPath();
            request.line = line;
            if (const ide::Ref<ide::BreakpointList> created = breakpoints->Add(request)) {
                if (const ide::Ref<ide::Breakpoint> first = created->Item(1))
                    first->SetEnabled(true);
            }
            if (context.settings.addBookmarks != 0) {
                selection->MoveTo(line, 1, false);
                selection->SetBookmark();
            }
            if (!cursor.Move(1))
                break;
        }
        selection->MoveTo(caretLine, caretColumn, false);
    });
}

}  // namespace commands::navigate
