#include "lsp_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "lsp/core_session.h"
#include "lsp/inbox.h"
#include "lsp/server.h"
#include "profile_options.h"
#include "run_command.h"

namespace app {

namespace {

// Far above any source file an editor opens; a longer message is refused, not loaded.
constexpr std::size_t kMaxMessage = std::size_t{256} << 20;

}  // namespace

void AddLspCommand(CLI::App& zentrel, LspOptions& options) {
    options.command = zentrel.add_subcommand(
        "lsp",
        "Serve the commands to an editor as a language server on standard input and output "
        "(friend file, friend member, symbols, code actions, templates as completions, step).");
    options.command->set_version_flag("--version", "zentrel " ZENTREL_VERSION);
    options.command
        ->add_option("--profile", options.profile,
                     "Settings profile file (else $ZENTREL_PROFILE, else the XDG default); "
                     "initializationOptions.options may set single values for the session")
        ->type_name("FILE");
    options.command->add_option("--templates", options.templates, "Code template file")
        ->type_name("FILE");
}

int RunLsp(const LspOptions& options, std::istream& in, std::ostream& out, std::ostream& errors) {
    if (options.templates && !std::filesystem::is_regular_file(*options.templates)) {
        errors << "zentrel lsp: --templates is not a readable file: " << *options.templates << '\n';
        return kExitUsage;
    }
    std::unique_ptr<posix::FileProfileStore> profile = OpenProfile(options.profile, errors);
    if (!profile)
        return kExitUsage;
    lsp::CoreSession core(std::move(profile), options.templates, errors);
    lsp::Server server(core, out, errors);
    auto inbox = std::make_shared<lsp::Inbox>();
    lsp::StartReader(in, kMaxMessage, inbox);
    return server.Run(*inbox);
}

}  // namespace app
