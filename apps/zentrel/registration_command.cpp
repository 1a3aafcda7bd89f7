#include "registration_command.h"

#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iostream>
#include <sstream>

#include "host/add_in_app.h"
#include "host/command_setup.h"
#include "host/connect.h"
#include "ide_files.h"
#include "ide_session.h"
#include "out_of_memory.h"
#include "posix/answer_queue.h"
#include "posix/file_replace.h"
#include "posix/module_files.h"
#include "posix/terminal_platform.h"
#include "profile_options.h"
#include "registration/memory_registry.h"
#include "registration/registration.h"
#include "run_command.h"
#include "workbench/file_io.h"
#include "workbench/workbench.h"

extern char** environ;

namespace app {

namespace {

constexpr const char* kScriptName = "Zentrel2.rgs";
// The built-in IDE answers its versioned ProgID and the version-independent one.
constexpr const char* kIdeProgIdStem = "VisualStudio.DTE";

bool SaveRegistry(const registration::MemoryRegistry& registry, const std::filesystem::path& path,
                  std::string& error) {
    std::ostringstream text;
    registry.Save(text);
    std::string reason;
    if (!posix::ReplaceFile(path, text.str(), reason, posix::Parents::kCreate)) {
        error = "cannot write " + path.string() + ": " + reason;
        return false;
    }
    return true;
}

void RunAndWait(const std::string& program, const std::string& parameters) {
    std::vector<char*> argv{const_cast<char*>(program.c_str()),
                            const_cast<char*>(parameters.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// Everything one registration run works on.
struct Registration {
    std::unique_ptr<posix::FileProfileStore> profile;
    std::optional<IdeSession> session;
    std::filesystem::path registryPath;
    registration::MemoryRegistry registry;
    std::string script;
    std::string modulePath;
};

// Nothing, with the reason on `errors` and `status` set, when the run cannot go ahead.
std::optional<Registration> Prepare(const RegistrationOptions& options, std::ostream& errors,
                                    int& status) {
    status = kExitUsage;
    Registration run;
    run.profile = Loading(options.profile.value_or("the profile"),
                          [&] { return OpenProfile(options.profile, errors); });
    if (!run.profile)
        return std::nullopt;
    run.modulePath = posix::ProgramPath().value_or(std::filesystem::path()).string();
    const std::filesystem::path scriptPath = options.script
                                                 ? std::filesystem::path(*options.script)
                                                 : posix::ProgramFilesDirectory() / kScriptName;
    std::string reason;
    if (!Loading(scriptPath.string(), [&] {
            return workbench::ReadFileBytes(scriptPath.string(), run.script, reason);
        })) {
        errors << "zentrel: cannot read the registration script " << scriptPath.string() << ": "
               << reason << '\n';
        return std::nullopt;
    }
    status = kExitWriteFailed;
    run.session = IdeSession::Start(run.profile->Path(), errors);
    if (!run.session)
        return std::nullopt;
    run.profile->Reload();
    status = kExitUsage;
    run.registryPath = RegistryPath(run.profile->Path());
    const bool loaded = Loading(run.registryPath.string(), [&] {
        std::ifstream in{run.registryPath, std::ios::binary};
        return !in || run.registry.Load(in, reason);
    });
    if (!loaded) {
        errors << "zentrel: " << run.registryPath.string() << ": " << reason
               << " (left as it is)\n";
        return std::nullopt;
    }
    return run;
}

}  // namespace

int RunRegister(const RegistrationOptions& options, std::ostream& out, std::ostream& errors) {
    int status = kExitOk;
    std::optional<Registration> run = Prepare(options, errors, status);
    if (!run)
        return status;
    registration::RegistrationServices services{run->registry};
    services.modulePath = run->modulePath;
    services.pathStyle = editor::PathStyle::Posix;
    if (std::optional<std::string> error = registration::RegisterServer(run->script, services)) {
        errors << "zentrel register: " << *error << '\n';
        return 1;
    }
    std::string error;
    if (!SaveRegistry(run->registry, run->registryPath, error)) {
        errors << "zentrel register: " << error << '\n';
        return 1;
    }
    // The setup markers live in the profile here: registering forces the next setup.
    if (!run->profile->ClearSection(host::kSetupSection) && run->profile->WriteFailed())
        return kExitWriteFailed;
    out << "registered " << run->modulePath << " in " << run->registryPath.string() << '\n';
    return kExitOk;
}

int RunUnregister(const RegistrationOptions& options, std::ostream& out, std::ostream& errors) {
    int status = kExitOk;
    std::optional<Registration> run = Prepare(options, errors, status);
    if (!run)
        return status;

    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, std::cin, false);
    auto bench = std::make_shared<workbench::Workbench>();
    const std::filesystem::path idePath = IdeStatePath(run->profile->Path());
    std::string ideError;
    const bool ideUsable =
        Loading(idePath.string(), [&] { return bench->LoadIdeState(idePath, ideError); });
    if (!ideUsable)
        errors << "zentrel unregister: " << ideError << " (left as it is)\n";
    std::optional<host::AddInApp> loaded;
    Loading(options.templates.value_or("the code templates"),
            [&] { loaded.emplace(platform, *run->profile, options.templates); });
    host::AddInApp& addIn = *loaded;

    registration::RegistrationServices services{run->registry};
    services.modulePath = run->modulePath;
    services.pathStyle = editor::PathStyle::Posix;
    services.startIde = [&](const std::string& progId) -> ide::Ref<ide::Environment> {
        const std::string versioned = std::string(kIdeProgIdStem) + "." + bench->Version();
        if (!ideUsable || (progId != kIdeProgIdStem && progId != versioned))
            return nullptr;
        return bench;
    };
    services.removeCommands = [&](ide::Environment& environment) {
        host::RemoveCommands(addIn, environment);
    };
    services.runHidden = RunAndWait;
    registration::UnregisterServer(run->script, services);

    std::string error;
    bool failed = false;
    if (!SaveRegistry(run->registry, run->registryPath, error)) {
        errors << "zentrel unregister: " << error << '\n';
        failed = true;
    }
    if (ideUsable && !bench->SaveIdeState(idePath, error)) {
        errors << "zentrel unregister: " << error << '\n';
        failed = true;
    }
    run->profile->ClearSection(host::kSetupSection);
    if (failed || run->profile->WriteFailed())
        return kExitWriteFailed;
    out << "unregistered " << run->modulePath << '\n';
    return kExitOk;
}

}  // namespace app
