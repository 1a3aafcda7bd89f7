#pragma once

#include "commands/command_context.h"

namespace commands::navigate {

// The Browse command: walks projects, files and members in a dialog and opens the choice.
void Browse(const CommandContext& context);

}  // namespace commands::navigate
