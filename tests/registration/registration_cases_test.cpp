// Registration as golden cases, one folder each under cases/:
//   script.rgs  the registrar script (absent: the shipped one)
//   before.reg  the registry before, in the dump's form (absent: empty)
//   steps       one per line: register | unregister, or what the host offers: host services
//               (the type library, IDE and process services of the Windows host, recorded),
//               ide PROGID ROOT (an IDE that starts and reports ROOT), type library fails,
//               posix module PATH; without them a host with the registry alone
//   after.reg   the registry afterwards
//   calls       what the entry points asked of the world, one per line (absent: nothing)
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "registration/memory_registry.h"
#include "registration/registration.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace registration {
namespace {

// The outside world of the entry points, recording what they ask of it.
struct World {
    MemoryRegistry registry;
    RegistrationServices services{.registry = registry,
                                  .modulePath = "C:\\Program Files\\Zentrel2\\Zentrel2.dll"};
    std::map<std::string, std::string> ides;  // ProgID: the registry root it reports
    bool typeLibraryRegisters = true;
    std::vector<std::string> calls;
    std::weak_ptr<ide::Environment> started;

    // The services of the Windows host, recorded.
    void AddHostServices() {
        services.registerTypeLibrary = [this] {
            calls.push_back("register type library");
            return typeLibraryRegisters;
        };
        services.unregisterTypeLibrary = [this] { calls.push_back("unregister type library"); };
        services.startIde = [this](const std::string& progId) -> ide::Ref<ide::Environment> {
            calls.push_back("start " + progId);
            auto found = ides.find(progId);
            if (found == ides.end())
                return nullptr;
            auto bench = std::make_shared<workbench::Workbench>();
            bench->SetRegistryRoot(found->second);
            started = bench;
            return bench;
        };
        services.removeCommands = [this](ide::Environment& environment) {
            calls.push_back("remove commands from " + environment.RegistryRoot());
        };
        services.runHidden = [this](const std::string& program, const std::string& parameters) {
            calls.push_back("run " + program + " " + parameters +
                            (started.expired() ? "" : " while the IDE is held"));
        };
    }

    void Run(const std::string& step, const std::string& script) {
        if (step == "register") {
            if (auto error = RegisterServer(script, services))
                calls.push_back("error: " + *error);
        } else if (step == "unregister") {
            UnregisterServer(script, services);
        } else if (step == "host services") {
            AddHostServices();
        } else if (step.starts_with("ide ")) {
            const std::size_t space = step.find(' ', 4);
            ides[step.substr(4, space - 4)] = step.substr(space + 1);
        } else if (step == "type library fails") {
            typeLibraryRegisters = false;
        } else if (step.starts_with("posix module ")) {
            services.modulePath = step.substr(13);
            services.pathStyle = editor::PathStyle::Posix;
        } else {
            ADD_FAILURE() << "unknown step " << step;
        }
    }
};

std::string ReadOr(const std::filesystem::path& path, std::string otherwise) {
    return std::filesystem::exists(path) ? testing_support::ReadBytes(path) : otherwise;
}

TEST(RegistrationCasesTest, EveryCaseEndsWithItsRegistryAndCalls) {
    const std::filesystem::path cases = ZENTREL_SOURCE_DIR "/tests/registration/cases";
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(cases)) {
        const std::filesystem::path& dir = entry.path();
        SCOPED_TRACE(dir.filename().string());
        ++count;
        World world;
        std::istringstream before(ReadOr(dir / "before.reg", "REGEDIT4\n"));
        std::string error;
        ASSERT_TRUE(world.registry.Load(before, error)) << error;
        const std::string script =
            ReadOr(dir / "script.rgs",
                   testing_support::ReadBytes(ZENTREL_SOURCE_DIR "/resources/Zentrel2.rgs"));
        std::istringstream steps(testing_support::ReadBytes(dir / "steps"));
        for (std::string step; std::getline(steps, step);)
            world.Run(step, script);

        EXPECT_EQ(world.registry.Dump(), ReadOr(dir / "after.reg", "(missing)"));
        std::string calls;
        for (const std::string& call : world.calls)
            calls += call + '\n';
        EXPECT_EQ(calls, ReadOr(dir / "calls", ""));
    }
    EXPECT_GT(count, 0u);
}

}  // namespace
}  // namespace registration
