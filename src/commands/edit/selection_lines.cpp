#include "commands/edit/selection_lines.h"

namespace commands::edit {

void MoveToLineStart(ide::TextSelection& selection, long line, bool extend) {
    if (!selection.MoveTo(line, 1, extend))
        selection.EndOfDocument(extend);
}

void SelectLines(ide::TextSelection& selection, long anchorLine, long caretLine) {
    MoveToLineStart(selection, anchorLine, false);
    MoveToLineStart(selection, caretLine, true);
}

}  // namespace commands::edit
