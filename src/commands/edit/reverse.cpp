#include "commands/edit/reverse.h"

#include "commands/edit/reverse_text.h"
#include "commands/edit/selection_lines.h"
#include "commands/edit/text_lines.h"
#include "editor/command_frame.h"

namespace commands::edit {

void Reverse(const CommandContext& context) {
    editor::RunCommand(context.platform, false, [&] {
        if (context.environment == nullptr)
            throw editor::CommandAbort::Silent();
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        if (!document.Attach())
            throw editor::CommandAbort::Silent();
        ide::TextSelection& selection = *document.Selection();
        const std::string text = document.GetSelectedText(true);
        const long top = selection.TopLine();
        const bool caretOnTop = selection.CurrentLine() == top;
        const std::string reversed = ReverseText(text);
        selection.SetText(reversed);
        // The reversed text always ends with a line end, so its lines end where the next
        // line begins, whether the selection took the last line's end or not.
        const long end = top + CountLineEnds(reversed);
        if (caretOnTop)
            SelectLines(selection, end, top);
        else
            SelectLines(selection, top, end);
    });
}

}  // namespace commands::edit
