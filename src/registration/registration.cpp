#include "registration/registration.h"

#include <variant>

#include "registration/registrar.h"
#include "registration/registration_script.h"

namespace registration {
namespace {

std::optional<std::string> RunScript(std::string_view script, RegistrarMode mode,
                                     const RegistrationServices& services) {
    auto parsed = RegistrationScript::Parse(script);
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        return "registration script: " + error->ToString();
    }
    Registrar registrar;
    registrar.AddModuleReplacements(services.modulePath, services.pathStyle);
    if (auto error = registrar.Run(std::get<RegistrationScript>(parsed), mode, services.registry)) {
        return "registration script: " + error->ToString();
    }
    return std::nullopt;
}

ide::Ref<ide::Environment> StartIde(const RegistrationServices& services) {
    if (!services.startIde) {
        return nullptr;
    }
    for (const char* progId : kIdeProgIds) {
        if (ide::Ref<ide::Environment> environment = services.startIde(progId)) {
            return environment;
        }
    }
    return nullptr;
}

// The IDE's installation directory as its registry root names it; empty when it names none.
std::string InstallDir(RegistryModel& registry, std::string root) {
    if (!root.empty() && root.back() == '\\') {
        root.pop_back();
    }
    if (root.empty()) {
        return {};
    }
    return ReadString(registry, RegistryRoot::LocalMachine, root, "InstallDir").value_or("");
}

}  // namespace

std::optional<std::string> RegisterServer(std::string_view script,
                                          const RegistrationServices& services) {
    if (auto error = RunScript(script, RegistrarMode::Register, services)) {
        return error;
    }
    if (services.registerTypeLibrary && !services.registerTypeLibrary()) {
        return "the type library could not be registered";
    }
    return std::nullopt;
}

void UnregisterServer(std::string_view script, const RegistrationServices& services) {
    RunScript(script, RegistrarMode::Unregister, services);
    if (services.unregisterTypeLibrary) {
        services.unregisterTypeLibrary();
    }
    for (const char* root : kIdeRoots) {
        services.registry.DeleteTree(RegistryRoot::LocalMachine,
                                     std::string(root) + "\\AddIns\\" + kAddInKeyName);
    }

    std::string installDir;
    if (ide::Ref<ide::Environment> environment = StartIde(services)) {
        if (services.removeCommands) {
            services.removeCommands(*environment);
        }
        installDir = InstallDir(services.registry, environment->RegistryRoot());
    }  // The IDE is released before its setup run.
    for (const char* root : kIdeRoots) {
        if (installDir.empty()) {
            installDir = InstallDir(services.registry, root);
        }
    }
    if (installDir.empty() || !services.runHidden) {
        return;
    }
    const char separator = editor::Separator(services.pathStyle);
    if (installDir.back() != separator) {
        installDir += separator;
    }
    services.runHidden(installDir + kIdeProgram, kIdeSetupParameter);
}

}  // namespace registration
