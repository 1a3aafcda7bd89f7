// `zentrel options`, `zentrel about` and `zentrel help`.
#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "sys/platform.h"

namespace app {

struct SettingsCommands {
    CLI::App* options = nullptr;
    CLI::App* about = nullptr;
    CLI::App* help = nullptr;
    std::optional<std::string> profile;
    std::vector<std::string> assignments;  // NAME=VALUE, as the options pages name their values
};

// Adds the three commands; `commands` keeps what they parse and must outlive the parse.
void AddSettingsCommands(CLI::App& zentrel, SettingsCommands& commands);
// Runs whichever of them was given; nothing when none was.
std::optional<int> RunSettingsCommand(const SettingsCommands& commands, std::ostream& out,
                                      std::ostream& errors);

// The program's own version, as a version resource would give it.
sys::ModuleVersion ProgramVersion();

}  // namespace app
