// The test program stands in for the library as the module that holds resources.
#include "win32/module_handle.h"

HMODULE win32::ModuleHandle() {
    return GetModuleHandleW(nullptr);
}
