// The add-in's one application object: lives from library load to unload.
#pragma once

#include <optional>
#include <string>

#include "commands/command_context.h"
#include "editor/editor_document.h"
#include "editor/ide.h"
#include "settings/profile_store.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "sys/platform.h"

#include "templates/template_node.h"
#include "templates/template_source.h"

namespace host {

class Connect;

inline constexpr const char* kAppName = "Zentrel";
inline constexpr const char* kRegistryKey = "Tarn";
inline constexpr const char* kProfileName = "Zentrel2";

class AddInApp : public templates::TemplateSource {
  public:
    // Start-up: loads the settings from the profile, then the template file (the one beside
    // the module unless a path is given), without touching the IDE.
    AddInApp(sys::Platform& platform, settings::ProfileStore& profile,
             std::optional<std::string> templatePath = std::nullopt);
    AddInApp(const AddInApp&) = delete;
    AddInApp& operator=(const AddInApp&) = delete;

    void LoadSettings();
    void SaveSettings();
    // Reads the template file again; with registerCommands the connected IDE's template
    // commands are renewed from the new tree.
    void LoadTemplates(bool registerCommands);

    sys::Platform& Platform() { return platform_; }
    settings::Settings& Settings() { return settings_; }
    settings::CRegistry& Registry() { return registry_; }
    editor::FileKinds FileKinds() const {
        return {settings_.sourceExtensions, settings_.headerExtensions};
    }

    const ide::Ref<ide::Environment>& Environment() const { return environment_; }
    void SetEnvironment(ide::Ref<ide::Environment> environment) {
        environment_ = std::move(environment);
    }
    Connect* Connection() const { return connect_; }
    void SetConnection(Connect* connect) { connect_ = connect; }

    templates::TemplateList& Templates() { return templates_; }
    commands::MemberStore& Members() { return members_; }

    const templates::TemplateList& TemplateTree() override { return templates_; }
    void ReloadTemplates() override { LoadTemplates(true); }
    std::string TemplateFile() override;

    // The setup's failure message is shown once per library load.
    bool FailedShown() const { return failedShown_; }
    void SetFailedShown() { failedShown_ = true; }

  private:
    sys::Platform& platform_;
    bool failedShown_ = false;
    // Owned in this order.
    commands::MemberStore members_;
    templates::TemplateList templates_;
    std::optional<std::string> templatePath_;
    ide::Ref<ide::Environment> environment_;
    Connect* connect_ = nullptr;
    settings::Settings settings_;
    settings::CRegistry registry_;
};

}  // namespace host
