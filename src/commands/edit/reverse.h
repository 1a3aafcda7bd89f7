#pragma once

#include "commands/command_context.h"

namespace commands::edit {

// The Reverse command: reverses the statements of the selected lines, or of the caret line,
// and selects the lines again.
void Reverse(const CommandContext& context);

}  // namespace commands::edit
