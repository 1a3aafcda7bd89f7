#pragma once

#include "commands/command_context.h"

namespace commands::navigate {

// The Friend Member command: from the member at the caret to its declaration or definition
// in the friend file.
void FriendMember(const CommandContext& context);

}  // namespace commands::navigate
