// zentrel: the add-in's commands on the command line, over the built-in IDE model.
#include <CLI/CLI.hpp>
#include <iostream>

#include "browse_command.h"
#include "clean_command.h"
#include "filter_command.h"
#include "friend_command.h"
#include "lsp_command.h"
#include "members_command.h"
#include "out_of_memory.h"
#include "registration_command.h"
#include "run_command.h"
#include "settings_command.h"
#include "templates_command.h"

namespace {

constexpr const char* kVersionText = "zentrel " ZENTREL_VERSION;

void AddVersion(CLI::App& command) {
    command.set_version_flag("--version", kVersionText);
}

// An empty name would fall back to a default place the user did not ask for.
const CLI::Validator kNonEmpty(
    [](const std::string& value) {
        return value.empty() ? std::string("is empty") : std::string();
    },
    "", "NONEMPTY");

}  // namespace

int main(int argc, char** argv) {
    CLI::App zentrel{"Zentrel2: fast C and C++ editing commands, on the command line.", "zentrel"};
    AddVersion(zentrel);
    zentrel.require_subcommand(1);

    app::RunOptions run;
    CLI::App* runCommand = zentrel.add_subcommand(
        "run", "Run IDE commands on files exactly as the IDE would, then report the state.");
    AddVersion(*runCommand);
    runCommand->add_option("--profile", run.profile, "Settings profile file")
        ->type_name("FILE")
        ->check(kNonEmpty);
    runCommand->add_option("--templates", run.templates, "Code template file")
        ->type_name("FILE")
        ->check(kNonEmpty);
    runCommand->add_option("--solution", run.solution, "Directory loaded as the one project")
        ->type_name("PATH")
        ->check(kNonEmpty);
    runCommand
        ->add_option("--answer", run.answers,
                     "An answer for whatever asks next (menu item number, yes/no, Prompt=Value)")
        ->type_name("TEXT")
        ->allow_extra_args(false);
    runCommand->add_flag("--json", run.json, "Print the final state as one JSON object");
    runCommand->add_flag("--dry-run", run.dryRun, "Write nothing, only show what the run would do");
    runCommand
        ->add_option("steps", run.steps,
                     "@FILE[:L[:C]] or @FILE:L1:C1-L2:C2 (open, place caret), NAME (run the "
                     "command Zentrel2.NAME), #N (dispatch command number N), ^KEYS (press keys)")
        ->required();

    std::string friendFile;
    std::optional<std::string> friendProfile;
    CLI::App* friendCommand = zentrel.add_subcommand(
        "friend", "Print the friend file of FILE (its header, or its source); exit 1 if none.");
    AddVersion(*friendCommand);
    friendCommand->add_option("FILE", friendFile, "A source, header or IDL file")->required();
    friendCommand->add_option("--profile", friendProfile, "Settings profile file")
        ->type_name("FILE")
        ->check(kNonEmpty);

    app::MembersOptions members;
    app::AddMembersCommand(zentrel, members);

    std::optional<std::string> templatesFile;
    CLI::App* templatesCommand = zentrel.add_subcommand(
        "templates", "List the code templates with their menu numbers, keys and command names.");
    AddVersion(*templatesCommand);
    templatesCommand->add_option("--templates", templatesFile, "Code template file")
        ->type_name("FILE")
        ->check(kNonEmpty);

    const app::FilterCommands filters(zentrel);

    app::RegistrationOptions registration;
    CLI::App* registerCommand = zentrel.add_subcommand(
        "register", "Register the add-in with the built-in IDE (its registry beside the profile).");
    CLI::App* unregisterCommand = zentrel.add_subcommand(
        "unregister", "Unregister the add-in and take its commands and toolbar out of the IDE.");
    for (CLI::App* command : {registerCommand, unregisterCommand}) {
        AddVersion(*command);
        command->add_option("--profile", registration.profile, "Settings profile file")
            ->type_name("FILE")
            ->check(kNonEmpty);
        command->add_option("--script", registration.script, "Registration script")
            ->type_name("FILE")
            ->check(kNonEmpty);
        command->add_option("--templates", registration.templates, "Code template file")
            ->type_name("FILE")
            ->check(kNonEmpty);
    }

    app::CleanOptions clean;
    CLI::App* cleanCommand = app::AddCleanCommand(zentrel, clean);
    AddVersion(*cleanCommand);
    app::SettingsCommands settingsCommands;
    app::AddSettingsCommands(zentrel, settingsCommands);
    for (CLI::App* command :
         {settingsCommands.options, settingsCommands.about, settingsCommands.help})
        AddVersion(*command);
    settingsCommands.options->get_option("--profile")->check(kNonEmpty);
    app::BrowseOptions browse;
    CLI::App* browseCommand = app::AddBrowseCommand(zentrel, browse);
    AddVersion(*browseCommand);
    app::LspOptions lsp;
    app::AddLspCommand(zentrel, lsp);
    lsp.command->get_option("--profile")->check(kNonEmpty);
    lsp.command->get_option("--templates")->check(kNonEmpty);

    try {
        zentrel.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = zentrel.exit(error);
        return status == 0 ? 0 : app::kExitUsage;
    }
    try {
        if (runCommand->parsed())
            return app::RunSteps(run, std::cout, std::cerr);
        if (friendCommand->parsed()) {
            return app::RunFriend(friendFile, friendProfile, std::cout, std::cerr);
        }
        if (filters.Parsed())
            return filters.Run(std::cin, std::cout, std::cerr);
        if (members.command->parsed())
            return app::RunMembers(members, std::cout, std::cerr);
        if (cleanCommand->parsed())
            return app::RunClean(clean, std::cin, std::cout, std::cerr);
        if (browseCommand->parsed())
            return app::RunBrowse(browse, std::cout, std::cerr);
        if (lsp.command->parsed())
            return app::RunLsp(lsp, std::cin, std::cout, std::cerr);
        if (templatesCommand->parsed())
            return app::RunTemplates(templatesFile, std::cout, std::cerr);
        if (registerCommand->parsed())
            return app::RunRegister(registration, std::cout, std::cerr);
        if (unregisterCommand->parsed())
            return app::RunUnregister(registration, std::cout, std::cerr);
        if (const std::optional<int> status =
                app::RunSettingsCommand(settingsCommands, std::cout, std::cerr))
            return *status;
    } catch (const std::bad_alloc& error) {
        // An input too large for memory: a message and a failure, never an abort.
        std::cerr << "zentrel: "
                  << (dynamic_cast<const app::OutOfMemory*>(&error) ? error.what()
                                                                    : "not enough memory")
                  << '\n';
        return app::kExitWriteFailed;
    }
    return app::kExitUsage;
}
