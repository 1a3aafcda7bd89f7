#include "host/add_in_app.h"

#include "settings/settings_io.h"

namespace host {

AddInApp::AddInApp(sys::Platform& platform, settings::ProfileStore& profile)
    : platform_(platform), registry_(profile) {
    LoadSettings();
}

void AddInApp::LoadSettings() {
    settings::LoadSettings(registry_, settings_);
}

void AddInApp::SaveSettings() {
    settings::SaveSettings(registry_, settings_);
}

}  // namespace host
