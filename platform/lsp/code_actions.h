// textDocument/codeAction: "Toggle comment" and "Reverse statements" on the lines of the
// range, and in a header "Paste copied members as definitions", which turns the declarations
// of the range into definitions at the end of the friend source file. Each action carries its
// edit; one that would change nothing is not offered.
#pragma once

#include "lsp/workspace.h"

namespace lsp {

Json CodeActions(Workspace& workspace, const Json& params);

}  // namespace lsp
