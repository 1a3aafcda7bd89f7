#include "browse_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "commands/navigate/browse_dialog.h"
#include "posix/answer_queue.h"
#include "posix/browse_terminal.h"
#include "posix/terminal_platform.h"
#include "profile_options.h"
#include "run_command.h"
#include "settings/registry.h"
#include "settings/settings_io.h"
#include "workbench/workbench.h"

namespace app {

namespace {

int Usage(std::ostream& errors, const std::string& reason) {
    errors << "zentrel browse: " << reason << '\n';
    return kExitUsage;
}

}  // namespace

CLI::App* AddBrowseCommand(CLI::App& zentrel, BrowseOptions& options) {
    CLI::App* command = zentrel.add_subcommand(
        "browse",
        "Walk the solution's projects, a project's files and a file's members full screen; "
        "print FILE:LINE of the place chosen.");
    command->add_option("--solution", options.solution, "Directory loaded as the one project")
        ->type_name("DIR");
    command->add_option("--profile", options.profile, "Settings profile file")->type_name("FILE");
    command->add_option("FILE", options.file, "The file whose members are shown first");
    return command;
}

int RunBrowse(const BrowseOptions& options, std::ostream& out, std::ostream& errors) {
    if (!options.solution && !options.file)
        return Usage(errors, "nothing to browse: give FILE, --solution DIR or both");
    if (options.profile && options.profile->empty())
        return Usage(errors, "--profile is empty");
    if (!isatty(STDIN_FILENO))
        return Usage(errors, "the dialog needs a terminal");

    workbench::Workbench bench;
    std::string error;
    if (options.solution && !bench.LoadSolutionDirectory(*options.solution, error))
        return Usage(errors, error);
    if (options.file && !bench.OpenFile(*options.file, error))
        return Usage(errors, error);

    std::unique_ptr<posix::FileProfileStore> profile = OpenProfile(options.profile, errors);
    if (!profile)
        return kExitUsage;
    settings::CRegistry registry(*profile);
    settings::Settings settings;
    settings::LoadSettings(registry, settings);
    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, std::cin, true);
    const commands::CommandContext context{&bench, platform, settings, nullptr, &registry};

    commands::navigate::BrowseDialog dialog(context, &registry);
    if (!dialog.Open()) {
        errors << "zentrel browse: nothing to show\n";
        return 1;
    }
    if (!posix::RunBrowseTerminal(dialog, error))
        return Usage(errors, error);
    if (dialog.End() != commands::navigate::BrowseEnd::Ok)
        return 1;
    ide::Ref<ide::Document> active = bench.ActiveDocument();
    const std::optional<workbench::Workbench::Caret> caret = bench.ActiveCaret();
    if (!active)
        return 1;
    out << active->FullName();
    if (caret)
        out << ':' << caret->caretLine;
    out << '\n';
    return 0;
}

}  // namespace app
