// `zentrel register` and `zentrel unregister`: the add-in's registration against the
// built-in IDE, whose registry is kept in a file beside the settings profile.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace app {

struct RegistrationOptions {
    std::optional<std::string> profile;
    std::optional<std::string> templates;
    std::optional<std::string> script;  // default: Zentrel2.rgs beside the program
};

int RunRegister(const RegistrationOptions& options, std::ostream& out, std::ostream& errors);
int RunUnregister(const RegistrationOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace app
