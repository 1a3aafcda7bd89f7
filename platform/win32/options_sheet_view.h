// The options sheet on Windows: a property sheet whose four pages show the core's page models.
#pragma once

#include "settings/options_sheet.h"
#include "win32/win_api.h"

namespace win32 {

// Runs the sheet modally over `owner` (disabled meanwhile). True when it ended with OK; the
// pages the user opened then hold their controls' values, ready for the sheet's Ok.
bool RunOptionsSheet(settings::COptionsSheet& sheet, HWND owner);

}  // namespace win32
