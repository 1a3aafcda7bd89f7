#pragma once

#include "commands/command_context.h"

namespace commands::navigate {

// The Friend File command: opens the header of the active source file, or the reverse.
void FriendFile(const CommandContext& context);

}  // namespace commands::navigate
