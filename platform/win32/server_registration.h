// What the registration tool asks of the library: the registration script resource run
// against the real registry, the embedded type library, and on removal the IDE's clean-up.
#pragma once

#include "win32/win_api.h"

namespace win32 {

inline constexpr int kRegistrationScriptResource = 101;
inline constexpr int kTypeLibraryResource = 1;

// S_OK, or SELFREG_E_CLASS when the script failed, SELFREG_E_TYPELIB when the type library did.
HRESULT RegisterServer();
// Always S_OK: every missing piece is skipped.
HRESULT UnregisterServer();

}  // namespace win32
