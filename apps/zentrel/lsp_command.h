// `zentrel lsp`: the language server over standard input and output.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace app {

struct LspOptions {
    CLI::App* command = nullptr;
    std::optional<std::string> profile;
    std::optional<std::string> templates;
};

void AddLspCommand(CLI::App& zentrel, LspOptions& options);
// 0 after the client's shutdown and exit; 1 when it ended otherwise; 2 for a usage error.
int RunLsp(const LspOptions& options, std::istream& in, std::ostream& out, std::ostream& errors);

}  // namespace app
