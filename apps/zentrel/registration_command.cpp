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
#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "profile_options.h"
#include "registration/memory_registry.h"
#include "registration/registration.h"
#include "workbench/workbench.h"

extern char** environ;

namespace app {

namespace {

constexpr const char* kScriptName = "Zentrel2.rgs";
// The built-in IDE answers its versioned ProgID and the version-independent one.
constexpr const char* kIdeProgIdStem = "VisualStudio.DTE";

std::optional<std::string> ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool SaveRegistry(const registration::MemoryRegistry& registry, const std::filesystem::path& path,
                  std::string& error) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        registry.Save(out);
        out.flush();
        if (!out) {
            error = "cannot write " + temporary.string();
            return false;
        }
    }
    std::error_code code;
    std::filesystem::rename(temporary, path, code);
    if (code) {
        error = "cannot replace " + path.string() + ": " + code.message();
        std::filesystem::remove(temporary, code);
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
    std::filesystem::path registryPath;
    registration::MemoryRegistry registry;
    std::string script;
    std::string modulePath;
};

std::optional<Registration> Prepare(const RegistrationOptions& options, std::ostream& errors) {
    Registration run;
    run.profile = OpenProfile(options.profile, errors);
    if (!run.profile)
        return std::nullopt;
    std::error_code code;
    run.modulePath = std::filesystem::read_symlink("/proc/self/exe", code).string();
    const std::filesystem::path scriptPath =
        options.script ? std::filesystem::path(*options.script)
                       : std::filesystem::path(run.modulePath).parent_path() / kScriptName;
    std::optional<std::string> script = ReadWhole(scriptPath);
    if (!script) {
        errors << "zentrel: cannot read the registration script " << scriptPath.string() << '\n';
        return std::nullopt;
    }
    run.script = std::move(*script);
    run.registryPath = RegistryPath(run.profile->Path());
    if (std::ifstream in{run.registryPath, std::ios::binary}) {
        std::string error;
        if (!run.registry.Load(in, error)) {
            errors << "zentrel: " << run.registryPath.string() << ": " << error
                   << " (left as it is)\n";
            return std::nullopt;
        }
    }
    return run;
}

}  // namespace

int RunRegister(const RegistrationOptions& options, std::ostream& out, std::ostream& errors) {
    std::optional<Registration> run = Prepare(options, errors);
    if (!run)
        return 2;
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
    run->profile->ClearSection(host::kSetupSection);
    out << "registered " << run->modulePath << " in " << run->registryPath.string() << '\n';
    return 0;
}

int RunUnregister(const RegistrationOptions& options, std::ostream& out, std::ostream& errors) {
    std::optional<Registration> run = Prepare(options, errors);
    if (!run)
        return 2;

    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, std::cin, false);
    auto bench = std::make_shared<workbench::Workbench>();
    const std::filesystem::path idePath = IdeStatePath(run->profile->Path());
    std::string ideError;
    const bool ideUsable = bench->LoadIdeState(idePath, ideError);
    if (!ideUsable)
        errors << "zentrel unregister: " << ideError << " (left as it is)\n";
    host::AddInApp addIn(platform, *run->profile, options.templates);

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
    if (!SaveRegistry(run->registry, run->registryPath, error)) {
        errors << "zentrel unregister: " << error << '\n';
    }
    if (ideUsable && !bench->SaveIdeState(idePath, error)) {
        errors << "zentrel unregister: " << error << '\n';
    }
    run->profile->ClearSection(host::kSetupSection);
    out << "unregistered " << run->modulePath << '\n';
    return 0;
}

}  // namespace app
