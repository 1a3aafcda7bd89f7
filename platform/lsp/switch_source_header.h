// textDocument/switchSourceHeader: the URI of the document's friend file, or null.
#pragma once

#include "lsp/workspace.h"

namespace lsp {

Json SwitchSourceHeader(Workspace& workspace, const Json& params);

}  // namespace lsp
