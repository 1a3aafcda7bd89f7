// The Browse dialog full screen on the controlling terminal, over the same model as answers.
#pragma once

#include <string>

#include "commands/navigate/browse_dialog.h"

namespace posix {

// Runs the dialog until it ends. The terminal is restored on every way out, a termination
// signal included (the signal is raised again afterwards). False, with `error` set, when no
// terminal can be drawn on.
bool RunBrowseTerminal(commands::navigate::BrowseDialog& dialog, std::string& error);

}  // namespace posix
