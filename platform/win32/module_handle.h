// The add-in library's own module, where its bitmaps, menus and dialogs live. Defined by the
// library's entry point (and by test programs, which stand in for it).
#pragma once

#include "win32/win_api.h"

namespace win32 {

HMODULE ModuleHandle();

}  // namespace win32
