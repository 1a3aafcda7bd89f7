// The Browse dialog on Windows: the dialog resource shown over the core's model.
#pragma once

#include "commands/navigate/browse_dialog.h"
#include "win32/win_api.h"

namespace win32 {

// Shows the opened model modally over `owner` (disabled meanwhile) until the model ends;
// false when the window could not be created.
bool RunBrowseDialog(commands::navigate::BrowseDialog& dialog, HWND owner);

}  // namespace win32
