#include "clean_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <string>

#include "commands/files/clean_search.h"
#include "commands/files/file_types.h"
#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "run_command.h"

namespace app {

namespace {

std::string WithLineFeeds(std::string text) {
    std::erase(text, '\r');
    return text;
}

bool Confirmed(std::size_t count, std::istream& input, std::ostream& errors) {
    errors << "Delete these " << count << " files? [yes/no] " << std::flush;
    std::string answer;
    if (!std::getline(input, answer))
        return false;
    return answer == "yes" || answer == "y";
}

}  // namespace

CLI::App* AddCleanCommand(CLI::App& zentrel, CleanOptions& options) {
    CLI::App* command = zentrel.add_subcommand(
        "clean", "Delete intermediate build files below DIR, after showing the full list.");
    command->add_option("DIR", options.directory, "The directory to clean")->required();
    options.types = commands::files::kDefaultFileTypes;
    command->add_option("--types", options.types, "File patterns separated by ';'")
        ->type_name("TYPES");
    command->add_flag("--no-recursive", options.noRecursive, "Leave subdirectories alone");
    command->add_flag("--yes", options.yes, "Delete without asking");
    return command;
}

int RunClean(const CleanOptions& options, std::istream& input, std::ostream& out,
             std::ostream& errors) {
    std::error_code error;
    if (!std::filesystem::is_directory(options.directory, error)) {
        errors << "zentrel clean: not a directory: " << options.directory << '\n';
        return kExitUsage;
    }
    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, input, false);
    platform.SetProgressLine(isatty(STDERR_FILENO) != 0);

    commands::files::CleanList list;
    {
        commands::files::ProgressDlg progress(platform);
        progress.SetTitle("Searching For Files...");
        progress.SetRange(1, false);
        list = commands::files::SearchForFiles(platform, progress, options.directory,
                                               !options.noRecursive, options.types);
    }
    out << WithLineFeeds(commands::files::ConfirmationText(list)) << std::flush;
    if (list.files.empty() || (!options.yes && !Confirmed(list.files.size(), input, errors)))
        return kExitOk;

    commands::files::DeleteSummary summary;
    {
        commands::files::ProgressDlg progress(platform);
        summary = commands::files::DeleteFiles(platform, progress, list);
    }
    const std::size_t left = summary.changed + summary.failed;
    if (summary.changed > 0) {
        errors << "zentrel clean: " << summary.changed
               << " files left alone: no longer regular files in the listed directories\n";
    }
    if (summary.failed > 0)
        errors << "zentrel clean: " << summary.failed << " files could not be deleted\n";
    return left > 0 ? kExitWriteFailed : kExitOk;
}

}  // namespace app
