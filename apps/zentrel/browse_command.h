// `zentrel browse`: the Browse dialog full screen, over a solution directory and a file.
#pragma once

#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace app {

struct BrowseOptions {
    std::optional<std::string> solution;
    std::optional<std::string> profile;
    std::optional<std::string> file;
};

// Adds the subcommand; `options` receives what it was given.
CLI::App* AddBrowseCommand(CLI::App& zentrel, BrowseOptions& options);

// Prints PATH:LINE of the place chosen and gives 0; 1 when the dialog was closed without a
// choice or had nothing to show; 2 for a usage error.
int RunBrowse(const BrowseOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace app
