#include "host/add_in_app.h"

#include "host/command_setup.h"
#include "host/connect.h"
#include "settings/settings_io.h"
#include "templates/template_file.h"

namespace host {

AddInApp::AddInApp(sys::Platform& platform, settings::ProfileStore& profile,
                   std::optional<std::string> templatePath)
    : platform_(platform), templatePath_(std::move(templatePath)), registry_(profile) {
    LoadSettings();
    LoadTemplates(false);
}

void AddInApp::LoadTemplates(bool registerCommands) {
    std::function<void()> renew;
    if (registerCommands) {
        renew = [this] {
            if (environment_ && connect_) {
                SyncTemplateCommands(*this, *environment_, connect_->AddInInstance().get(),
                                     SetupMode::Create);
            }
        };
    }
    if (templatePath_) {
        templates::LoadTemplateFile(platform_, templates_, *templatePath_,
                                    editor::NativePathStyle(), renew);
    } else {
        templates::LoadTemplates(platform_, templates_, editor::NativePathStyle(), renew);
    }
}

std::string AddInApp::TemplateFile() {
    return templatePath_ ? *templatePath_ : templates::TemplateFilePath(platform_);
}

void AddInApp::LoadSettings() {
    settings::LoadSettings(registry_, settings_);
}

void AddInApp::SaveSettings() {
    settings::SaveSettings(registry_, settings_);
}

}  // namespace host
