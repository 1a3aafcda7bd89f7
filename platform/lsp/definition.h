// textDocument/definition and textDocument/declaration: where Friend Member goes from the
// member at the position (its definition from a declaration, and the reverse), or null.
#pragma once

#include "lsp/workspace.h"

namespace lsp {

Json Definition(Workspace& workspace, const Json& params);

}  // namespace lsp
