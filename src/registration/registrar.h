// Runs a registration script over a registry, filling %NAME% replacements in every name and
// text first; an unknown replacement stops the run before anything is written.
//
// Register writes the script's keys in script order: a ForceRemove key is deleted with its
// subtree first; then the key is created (with any missing key above it), its default value
// and its named values are set.
//
// Unregister takes out what Register wrote, deepest keys first (each key after its subkeys):
//  - a ForceRemove key is deleted with its subtree;
//  - a NoRemove key stays with its default value; the named values the script lists go;
//  - any other key loses the named values the script lists and its default value if the
//    script gives one, and is then deleted only if it holds no subkey and no value any more,
//    so whatever else has been put there keeps it.
// Missing keys and values are skipped. Unregister goes on past a failure and reports the first.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "editor/path_style.h"
#include "registration/registration_script.h"
#include "registration/registry_model.h"

namespace registration {

enum class RegistrarMode { Register, Unregister };

class Registrar {
  public:
    // %name% in the script reads as text; %% is always one '%'.
    void AddReplacement(std::string name, std::string text);
    // MODULE: the full path; MODULEPATH: its directory with the final separator (empty when
    // there is none); MODULENAME: the file name after it.
    void AddModuleReplacements(std::string_view modulePath,
                               editor::PathStyle style = editor::PathStyle::Windows);

    std::optional<ScriptError> Run(const RegistrationScript& script, RegistrarMode mode,
                                   RegistryModel& registry) const;

  private:
    std::map<std::string, std::string, std::less<>> replacements_;
};

}  // namespace registration
