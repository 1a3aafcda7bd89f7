#include "run_command.h"

#include "settings_command.h"

#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <filesystem>
#include <iostream>
#include <memory>
#include <variant>

#include "host/add_in_app.h"
#include "host/command_set.h"
#include "host/command_table.h"
#include "host/command_target.h"
#include "host/connect.h"
#include "ide_files.h"
#include "ide_session.h"
#include "out_of_memory.h"
#include "posix/answer_queue.h"
#include "posix/file_profile_store.h"
#include "posix/terminal_platform.h"
#include "profile_options.h"
#include "run_state.h"
#include "settings_command.h"
#include "step.h"
#include "step_check.h"
#include "workbench/workbench.h"

namespace app {

namespace {

int Usage(std::ostream& errors, const std::string& reason) {
    errors << "zentrel run: " << reason << '\n';
    return kExitUsage;
}

// Large blocks kept on the heap rather than mapped afresh and unmapped land in pages that
// blocks freed before them touched: page faults are most of what opening a large file costs.
void KeepLargeBlocksOnTheHeap() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

}  // namespace

int RunSteps(const RunOptions& options, std::ostream& out, std::ostream& errors) {
    KeepLargeBlocksOnTheHeap();
    // Every step is checked before any runs, so a typo never half-edits a file.
    std::vector<Step> steps;
    for (const std::string& text : options.steps) {
        std::string error;
        std::optional<Step> step = ParseStep(text, error);
        if (!step)
            return Usage(errors, error);
        steps.push_back(std::move(*step));
    }
    if (options.solution && !std::filesystem::is_directory(*options.solution)) {
        return Usage(errors, "--solution is not a directory: " + *options.solution);
    }
    if (options.templates && !std::filesystem::is_regular_file(*options.templates)) {
        return Usage(errors, "--templates is not a readable file: " + *options.templates);
    }

    // Files and positions are checked on a scratch IDE first: a usage error must leave the
    // profile, the IDE's state and every file as they were. The run's IDE then takes the texts
    // the check read, so each file is read and indexed once.
    auto bench = std::make_shared<workbench::Workbench>();
    {
        workbench::Workbench scratch;
        for (const Step& step : steps) {
            const auto* open = std::get_if<OpenStep>(&step);
            if (open == nullptr)
                continue;
            std::string error;
            ide::Ref<ide::Document> document =
                Loading(open->path, [&] { return scratch.OpenFile(open->path, error); });
            if (!document)
                return Usage(errors, MalformedPosition(*open).value_or(error));
            if (!open->beyond.empty())
                return Usage(errors, document->FullName() + " has no " + open->beyond);
            if (!scratch.SetSelection(document, open->anchorLine, open->anchorColumn,
                                      open->caretLine, open->caretColumn, error)) {
                return Usage(errors, error);
            }
        }
        bench->AdoptTexts(scratch);
    }

    std::unique_ptr<posix::FileProfileStore> profile =
        Loading(options.profile.value_or("the profile"),
                [&] { return OpenProfile(options.profile, errors); });
    if (!profile)
        return kExitUsage;
    posix::AnswerQueue answers(options.answers);
    const bool interactive = isatty(STDIN_FILENO) && isatty(STDERR_FILENO);
    posix::TerminalPlatform platform(answers, errors, std::cin, interactive);
    platform.SetRingBell(isatty(STDERR_FILENO));
    // This IDE's user data (its keyboard-scheme copies) stays with the profile it belongs to.
    platform.SetApplicationDataFolder(IdeDataFolder(profile->Path()).string());
    platform.SetDryRun(options.dryRun);
    platform.SetModuleVersion(ProgramVersion());

    if (options.solution) {
        std::string error;
        if (!bench->LoadSolutionDirectory(*options.solution, error))
            return Usage(errors, error);
    }

    std::optional<host::AddInApp> loaded;
    Loading(options.templates.value_or("the code templates"),
            [&] { loaded.emplace(platform, *profile, options.templates); });
    host::AddInApp& addIn = *loaded;
    // Connecting already writes the setup markers, so a command nobody takes is found before.
    if (std::optional<std::string> unknown = FirstUnknownCommand(steps, addIn.Templates())) {
        return Usage(errors, "no command is named " + std::string(host::kCommandPrefix) + *unknown +
                                 " (`zentrel templates` lists the template commands)");
    }

    // The run holds its IDE from loading its state to saving it; a dry run writes nothing,
    // not even a lock, and shows the run as if it had.
    std::optional<IdeSession> session;
    if (options.dryRun) {
        profile->KeepChangesInMemory();
    } else if ((session = IdeSession::Start(profile->Path(), errors))) {
        profile->Reload();
    } else {
        return kExitWriteFailed;
    }
    // The IDE remembers its commands between runs; a file it cannot read is left alone.
    const std::filesystem::path idePath = IdeStatePath(profile->Path());
    std::string ideError;
    const bool ideStateUsable =
        Loading(idePath.string(), [&] { return bench->LoadIdeState(idePath, ideError); });
    if (!ideStateUsable) {
        errors << "zentrel run: " << ideError
               << " (the IDE starts fresh and will not save over it)\n";
    }

    host::Connect connect(addIn);
    connect.OnConnection(bench, bench->AddInInstance());
    host::CommandSet& commands = connect.Commands();

    RunState state;
    for (const Step& step : steps) {
        if (const auto* open = std::get_if<OpenStep>(&step)) {
            std::string error;
            ide::Ref<ide::Document> document = bench->OpenFile(open->path, error);
            if (!document)
                return Usage(errors, error);
            if (!bench->SetSelection(document, open->anchorLine, open->anchorColumn,
                                     open->caretLine, open->caretColumn, error)) {
                return Usage(errors, error);
            }
        } else if (const auto* name = std::get_if<NameStep>(&step)) {
            state.handled.push_back(host::Exec(commands,
                                               std::string(host::kCommandPrefix) + name->name,
                                               host::kExecOptionDoDefault));
        } else if (const auto* number = std::get_if<NumberStep>(&step)) {
            if (!commands.Dispatch(number->number)) {
                errors << "zentrel run: no command has the number " << number->number << '\n';
            }
        } else if (const auto* keys = std::get_if<KeyStep>(&step)) {
            std::string error;
            const auto execute = [&](const std::string& fullName) {
                return host::Exec(commands, fullName, host::kExecOptionDoDefault);
            };
            // An unbound key does nothing in the IDE either.
            if (!bench->PressKeys(keys->keys, execute, error))
                errors << "zentrel run: " << error << '\n';
        }
    }

    state.Capture(*bench, platform.Recorded());
    connect.OnDisconnection();
    bool writeFailed = profile->WriteFailed();
    if (!options.dryRun) {
        if (ideStateUsable && !bench->SaveIdeState(idePath, ideError)) {
            errors << "zentrel run: " << ideError << '\n';
            writeFailed = true;
        }
        std::string error;
        if (!bench->WriteBack(error)) {
            errors << "zentrel run: " << error << '\n';
            writeFailed = true;
        }
    }
    if (options.json) {
        // Texts are 8-bit; bytes that are not UTF-8 must not make the report fail.
        out << ToJson(state).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    } else {
        out << ToText(state);
    }
    return writeFailed ? kExitWriteFailed : kExitOk;
}

}  // namespace app
