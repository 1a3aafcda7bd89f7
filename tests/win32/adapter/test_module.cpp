// The test program stands in for the library: its own module holds the resources.
#include "win32/module_handle.h"

namespace win32 {

HMODULE ModuleHandle() {
    return GetModuleHandleA(nullptr);
}

}  // namespace win32
