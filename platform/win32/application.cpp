#include "win32/application.h"

#include "win32/registry_profile_store.h"
#include "win32/win32_platform.h"

namespace win32 {

host::AddInApp& Application() {
    static Win32Platform platform;
    static RegistryProfileStore profile;
    static host::AddInApp app(platform, profile);
    return app;
}

}  // namespace win32
