// What (Un)Commentize works on: the selection, or else the caret line, or the whole block
// that the caret line opens.
#pragma once

#include <string>

#include "editor/editor_document.h"

namespace commands::edit {

struct CommentSelection {
    std::string text;
    // Part of one line, not the whole of it.
    bool partial = false;
};

// Selects what it returns. Without a selection: the caret line without its line end, or,
// when that line (after a "//", spaces and tabs) opens a "{" block, an "#if 0" block or a
// "/*" comment that closes further on, the whole lines from it to the closing line.
CommentSelection GetCommentSelection(editor::EditorDocument& document);

}  // namespace commands::edit
