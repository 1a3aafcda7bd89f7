// The popup menu's Options, About and Help.
#pragma once

#include "commands/command_context.h"

namespace commands::options {

void Options(const CommandContext& context);
void About(const CommandContext& context);
void Help(const CommandContext& context);

}  // namespace commands::options
