// The add-in's one application object: lives from library load to unload.
#pragma once

#include <memory>

#include "editor/editor_document.h"
#include "editor/ide.h"
#include "settings/profile_store.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "sys/platform.h"

namespace analysis {
class MemberList;
}
namespace templates {
class TemplateList;
}

namespace host {

class Connect;

inline constexpr const char* kAppName = "Zentrel";
inline constexpr const char* kRegistryKey = "Tarn";
inline constexpr const char* kProfileName = "Zentrel2";

class AddInApp {
  public:
    // Start-up: names the profile and loads the settings from it.
    AddInApp(sys::Platform& platform, settings::ProfileStore& profile);
    AddInApp(const AddInApp&) = delete;
    AddInApp& operator=(const AddInApp&) = delete;

    void LoadSettings();
    void SaveSettings();

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

    const std::shared_ptr<analysis::MemberList>& CopiedMembers() const { return copiedMembers_; }
    void SetCopiedMembers(std::shared_ptr<analysis::MemberList> members) {
        copiedMembers_ = std::move(members);
    }
    const std::shared_ptr<templates::TemplateList>& Templates() const { return templates_; }
    void SetTemplates(std::shared_ptr<templates::TemplateList> list) {
        templates_ = std::move(list);
    }

  private:
    sys::Platform& platform_;
    // Owned in this order; later features fill the member store and the template tree.
    std::shared_ptr<analysis::MemberList> copiedMembers_;
    std::shared_ptr<templates::TemplateList> templates_;
    ide::Ref<ide::Environment> environment_;
    Connect* connect_ = nullptr;
    settings::Settings settings_;
    settings::CRegistry registry_;
};

}  // namespace host
