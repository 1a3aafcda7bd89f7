#pragma once

#include "commands/command_context.h"

namespace commands::edit {

// The (Un)Commentize command: comments the selected lines out, or back in when they are
// commented, and selects them again; part of a line is put in or taken out of "/*" "*/".
void Commentize(const CommandContext& context);

}  // namespace commands::edit
