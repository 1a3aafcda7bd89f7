#pragma once

#include "commands/command_context.h"

namespace commands::navigate {

// The Add Breakpoints command: a breakpoint (and, with "Add Bookmarks", a bookmark) on the
// line above every '{' that begins a line of the active source file; the caret stays.
void AddBreakpoints(const CommandContext& context);

}  // namespace commands::navigate
