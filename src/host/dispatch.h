// Runs a command by its number, as the popup menu and the IDE's named commands reach it.
#pragma once

#include "commands/command_context.h"

namespace host {

// True when a row of the command table has the number, after running its command (a command
// not built yet runs nothing); false for any other number.
bool Dispatch(int number, const commands::CommandContext& context);

}  // namespace host
