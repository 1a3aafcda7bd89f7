// A core popup menu as a Win32 menu.
#pragma once

#include "sys/popup_menu.h"
#include "win32/win_api.h"

namespace win32 {

// The caller destroys the menu; null when it cannot be built.
HMENU BuildPopupMenu(const ui::PopupMenu& menu);

}  // namespace win32
