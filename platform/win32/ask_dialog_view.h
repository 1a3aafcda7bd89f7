// The parameter dialog on Windows: resource 220, its rows made at run time from the pattern
// controls.
#pragma once

#include "templates/ask_dialog.h"
#include "win32/win_api.h"

namespace win32 {

// Shows the dialog modally over `owner`; true when closed with OK (the answers are then in the
// requests), false for Cancel or when the dialog could not be made.
bool RunAskDialog(templates::AskDialog& dialog, HWND owner);

}  // namespace win32
