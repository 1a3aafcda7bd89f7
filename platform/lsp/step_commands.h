// workspace/executeCommand zentrel.stepUp and zentrel.stepDown: the Location Step reaches from
// the position given as the one argument ({textDocument, position}), or null.
#pragma once

#include "lsp/workspace.h"

namespace lsp {

inline constexpr const char* kStepUp = "zentrel.stepUp";
inline constexpr const char* kStepDown = "zentrel.stepDown";

Json ExecuteCommand(Workspace& workspace, const Json& params);

}  // namespace lsp
