// The library's one application object and the services it is built on.
#pragma once

#include "host/add_in_app.h"

namespace win32 {

class Win32Platform;

// Names a template file to load instead of the one beside the library, for runs that bring
// their own (the test programs).
inline constexpr const char* kTemplatesVariable = "ZENTREL2_TEMPLATES";

// Created on first use (it loads the settings and the template file beside the library) and
// destroyed when the library is unloaded.
host::AddInApp& Application();

// The services the application is built on, for the connection to tell them about the IDE.
Win32Platform& ApplicationPlatform();

}  // namespace win32
