#include "win32/application.h"

#include "win32/registry_profile_store.h"
#include "win32/win32_platform.h"

namespace win32 {

Win32Platform& ApplicationPlatform() {
    static Win32Platform platform;
    return platform;
}

host::AddInApp& Application() {
    static RegistryProfileStore profile;
    // Constructed before the application, so it outlives it.
    static host::AddInApp app(ApplicationPlatform(), profile,
                              ApplicationPlatform().GetEnvironmentVariable(kTemplatesVariable));
    return app;
}

}  // namespace win32
