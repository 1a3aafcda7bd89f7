#pragma once

#include "commands/command_context.h"

namespace commands::members {

// The Paste Members command: writes the member store at the start of the caret line, as
// definitions in a source file and as aligned declarations elsewhere.
void PasteMembers(const CommandContext& context);

}  // namespace commands::members
