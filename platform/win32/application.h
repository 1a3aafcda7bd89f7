// The library's one application object and the services it is built on.
#pragma once

#include "host/add_in_app.h"

namespace win32 {

class Win32Platform;

// Created on first use (it loads the settings and the template file beside the library) and
// destroyed when the library is unloaded.
host::AddInApp& Application();

// The services the application is built on, for the connection to tell them about the IDE.
Win32Platform& ApplicationPlatform();

}  // namespace win32
