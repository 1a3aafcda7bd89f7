// The full path of the add-in library, however long the IDE's installation path is.
#pragma once

#include <string>

namespace win32 {

// Empty when the system cannot tell.
std::wstring ModulePath();

}  // namespace win32
