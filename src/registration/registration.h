// What the library's registration and unregistration entry points do, over injected services
// so that every host (and every test) supplies its own registry, IDE and process runner.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "editor/ide.h"
#include "editor/path_style.h"
#include "registration/registry_model.h"

namespace registration {

inline constexpr const char* kAddInKeyName = "Zentrel2";
// Tried in this order when unregistering; the first that starts is used.
inline constexpr const char* kIdeProgIds[] = {"VisualStudio.DTE.7.1", "VisualStudio.DTE.7.0",
                                              "VisualStudio.DTE"};
// The IDE versions whose add-in keys of earlier releases are cleared, and whose installation
// directory is looked up when the IDE itself names none.
inline constexpr const char* kIdeRoots[] = {"Software\\Microsoft\\VisualStudio\\7.1",
                                            "Software\\Microsoft\\VisualStudio\\7.0"};
inline constexpr const char* kIdeProgram = "devenv.exe";
inline constexpr const char* kIdeSetupParameter = "/setup";

// An empty function is a service the host does without: it is skipped.
struct RegistrationServices {
    RegistryModel& registry;
    std::string modulePath{};
    editor::PathStyle pathStyle = editor::PathStyle::Windows;
    // False when the type library could not be registered.
    std::function<bool()> registerTypeLibrary{};
    std::function<void()> unregisterTypeLibrary{};
    // Starts the IDE as an automation server; empty when that ProgID has no server.
    std::function<ide::Ref<ide::Environment>(const std::string& progId)> startIde{};
    // Takes the add-in's commands, toolbar and template commands out of the IDE.
    std::function<void(ide::Environment&)> removeCommands{};
    // Runs the program hidden and returns once it has ended (at once if it did not start).
    std::function<void(const std::string& program, const std::string& parameters)> runHidden{};
};

// Registers the script's keys with the module replacements, then the type library. Empty on
// success, else what failed.
std::optional<std::string> RegisterServer(std::string_view script,
                                          const RegistrationServices& services);

// Removes the script's keys, the type library and the add-in keys of earlier releases, takes
// the commands out of an IDE that can be started and lets the IDE rebuild its command tables
// with a setup run. Every missing piece is skipped; unregistration never fails.
void UnregisterServer(std::string_view script, const RegistrationServices& services);

}  // namespace registration
