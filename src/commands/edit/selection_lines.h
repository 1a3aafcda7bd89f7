// Selecting whole lines again after a command rewrote them.
#pragma once

#include "editor/ide.h"

namespace commands::edit {

// To column 1 of the 1-based line; to the end of the text when the line lies past it (the
// rewritten lines were the last and have no line end).
void MoveToLineStart(ide::TextSelection& selection, long line, bool extend);

// From column 1 of `anchorLine` to column 1 of `caretLine`.
void SelectLines(ide::TextSelection& selection, long anchorLine, long caretLine);

}  // namespace commands::edit
