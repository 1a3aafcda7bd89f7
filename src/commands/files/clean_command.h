#pragma once

#include "commands/command_context.h"

namespace commands::files {

// "Clean...": the Clean dialog, with the IDE's own UI kept quiet while it is up.
void Clean(const CommandContext& context);

}  // namespace commands::files
