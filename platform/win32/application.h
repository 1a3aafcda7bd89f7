// The library's one application object and the services it is built on.
#pragma once

#include "host/add_in_app.h"

namespace win32 {

// Created on first use (it loads the settings and the template file beside the library) and
// destroyed when the library is unloaded.
host::AddInApp& Application();

}  // namespace win32
