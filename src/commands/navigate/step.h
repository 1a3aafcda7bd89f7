#pragma once

#include "commands/command_context.h"

namespace commands::navigate {

// The Step commands: to the previous (up) or next top-level body, extending the selection.
void Step(const CommandContext& context, bool up, bool extend);

}  // namespace commands::navigate
