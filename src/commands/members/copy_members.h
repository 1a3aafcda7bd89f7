#pragma once

#include "commands/command_context.h"

namespace commands::members {

// The Copy Members command: reads the declarations in the selection (or on the caret line,
// which it selects) into the member store, replacing what was there.
void CopyMembers(const CommandContext& context);

}  // namespace commands::members
