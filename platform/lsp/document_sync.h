// didOpen, didChange, didClose and didSave.
#pragma once

#include "lsp/workspace.h"

namespace lsp {

void DidOpen(Workspace& workspace, const Json& params);
void DidChange(Workspace& workspace, const Json& params);
void DidClose(Workspace& workspace, const Json& params);
// The file on disk is what the editor has open; nothing to do.
void DidSave(Workspace& workspace, const Json& params);

}  // namespace lsp
