// The About box on Windows: dialog 207 with its text control turned into a set of links.
#pragma once

#include <string>

#include "sys/platform.h"
#include "win32/win_api.h"

namespace win32 {

// Shows the box modally over `owner` with this text; a click on a link opens its target
// through the platform's shell.
void RunAboutBox(const std::string& text, sys::Platform& platform, HWND owner);

}  // namespace win32
