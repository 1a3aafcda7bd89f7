#include "host/registration.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/memory_registry.h"
#include "registry_fixtures.h"
#include "workbench/workbench.h"

namespace host {
namespace {

constexpr RegistryRoot kHKLM = RegistryRoot::LocalMachine;
constexpr char kVs70[] = "Software\\Microsoft\\VisualStudio\\7.0";
constexpr char kVs71[] = "Software\\Microsoft\\VisualStudio\\7.1";
constexpr char kVs80[] = "Software\\Microsoft\\VisualStudio\\8.0";

// The outside world of the entry points, recording what they ask of it.
struct World {
    MemoryRegistry registry;
    // The IDE servers that start, by ProgID, with the registry root each reports.
    std::map<std::string, std::string> ides;
    bool typeLibraryRegisters = true;

    std::vector<std::string> tried;
    std::vector<std::string> calls;
    std::weak_ptr<ide::Environment> started;

    RegistrationServices Services() {
        return {
            .registry = registry,
            .modulePath = "C:\\Program Files\\Zentrel2\\Zentrel2.dll",
            .registerTypeLibrary =
                [this] {
                    calls.push_back("register type library");
                    return typeLibraryRegisters;
                },
            .unregisterTypeLibrary = [this] { calls.push_back("unregister type library"); },
            .startIde = [this](const std::string& progId) -> ide::Ref<ide::Environment> {
                tried.push_back(progId);
                auto found = ides.find(progId);
                if (found == ides.end()) {
                    return nullptr;
                }
                auto bench = std::make_shared<workbench::Workbench>();
                bench->SetRegistryRoot(found->second);
                started = bench;
                return bench;
            },
            .removeCommands =
                [this](ide::Environment& environment) {
                    calls.push_back("remove commands from " + environment.RegistryRoot());
                },
            .runHidden =
                [this](const std::string& program, const std::string& parameters) {
                    calls.push_back("run " + program + " " + parameters +
                                    (started.expired() ? "" : " while the IDE is held"));
                },
        };
    }

    void SetInstallDir(const std::string& root, RegistryValue directory) {
        ASSERT_TRUE(registry.CreateKey(kHKLM, root));
        ASSERT_TRUE(registry.SetValue(kHKLM, root, "InstallDir", directory));
    }
};

const std::vector<std::string> kAllProgIds = {"VisualStudio.DTE.7.1", "VisualStudio.DTE.7.0",
                                              "VisualStudio.DTE"};

TEST(RegistrationTest, RegisterReportsTheFirstFailingStep) {
    struct Case {
        std::string script;
        bool typeLibraryRegisters;
        std::optional<std::string> error;
        std::vector<std::string> calls;
    } cases[] = {
        {testing::ShippedScript(), true, std::nullopt, {"register type library"}},
        {testing::ShippedScript(),
         false,
         "the type library could not be registered",
         {"register type library"}},
        {"HKCR\n{\n",
         true,
         "registration script: line 2: unbalanced '{': the body of 'HKCR' is not closed before "
         "the end of the script",
         {}},
    };
    for (const Case& c : cases) {
        World world;
        world.typeLibraryRegisters = c.typeLibraryRegisters;
        EXPECT_EQ(RegisterServer(c.script, world.Services()), c.error) << c.script;
        EXPECT_EQ(world.calls, c.calls) << c.script;
        EXPECT_TRUE(world.tried.empty());
    }
}

TEST(RegistrationTest, ServicesAHostDoesWithoutAreSkipped) {
    MemoryRegistry registry;
    RegistrationServices services{.registry = registry, .modulePath = "/opt/z/zentrel.so"};
    services.pathStyle = editor::PathStyle::Posix;
    EXPECT_EQ(RegisterServer(testing::ShippedScript(), services), std::nullopt);
    EXPECT_EQ(
        ReadString(registry, kHKLM, std::string(kVs80) + "\\Addins\\Zentrel2", "SatelliteDllPath"),
        "/opt/z/");
    UnregisterServer(testing::ShippedScript(), services);
    EXPECT_FALSE(registry.KeyExists(kHKLM, std::string(kVs80) + "\\Addins\\Zentrel2"));
}

TEST(RegistrationTest, UnregisterWithoutAnIdeRemovesTheKeysAndStartsNothing) {
    World world;
    ASSERT_EQ(RegisterServer(testing::ShippedScript(), world.Services()), std::nullopt);
    world.calls.clear();
    UnregisterServer(testing::ShippedScript(), world.Services());

    EXPECT_EQ(world.tried, kAllProgIds);
    EXPECT_EQ(world.calls, std::vector<std::string>{"unregister type library"});
    EXPECT_FALSE(world.registry.KeyExists(RegistryRoot::ClassesRoot,
                                          "CLSID\\{5A3C9E10-7B42-4D8F-9C61-2E8B4F7A0D35}"));
    EXPECT_FALSE(world.registry.KeyExists(RegistryRoot::ClassesRoot, "Zentrel2.1"));
    EXPECT_FALSE(world.registry.KeyExists(kHKLM, std::string(kVs71) + "\\Addins\\Zentrel2"));
    EXPECT_TRUE(world.registry.KeyExists(RegistryRoot::CurrentUser, "Software\\Tarn\\Zentrel2"));
}

TEST(RegistrationTest, UnregisterWithOnlyTheOlderIdeUsesIt) {
    World world;
    world.ides["VisualStudio.DTE.7.0"] = kVs70;
    world.SetInstallDir(kVs70, "C:\\VS7\\Common7\\IDE");
    UnregisterServer(testing::ShippedScript(), world.Services());

    EXPECT_EQ(world.tried,
              (std::vector<std::string>{"VisualStudio.DTE.7.1", "VisualStudio.DTE.7.0"}));
    EXPECT_EQ(world.calls, (std::vector<std::string>{
                               "unregister type library",
                               "remove commands from Software\\Microsoft\\VisualStudio\\7.0",
                               "run C:\\VS7\\Common7\\IDE\\devenv.exe /setup",
                           }));
}

TEST(RegistrationTest, SetupRunsFromTheFirstInstallationDirectoryFound) {
    struct Case {
        const char* what;
        std::optional<std::string> ideRoot;
        std::map<std::string, RegistryValue> installDirs;
        std::optional<std::string> run;
    } cases[] = {
        {"the IDE's own root, a final separator dropped",
         std::string(kVs80) + "\\",
         {{kVs80, "D:\\VS8\\"}, {kVs71, "C:\\VS71"}},
         "D:\\VS8\\devenv.exe"},
        {"the IDE's root names none: 7.1 first",
         kVs80,
         {{kVs71, "C:\\VS71"}, {kVs70, "C:\\VS70"}},
         "C:\\VS71\\devenv.exe"},
        {"a number is no directory",
         kVs80,
         {{kVs80, std::uint32_t{1}}, {kVs70, "C:\\VS70"}},
         "C:\\VS70\\devenv.exe"},
        {"no IDE: 7.0 as the last resort",
         std::nullopt,
         {{kVs70, "C:\\VS70"}},
         "C:\\VS70\\devenv.exe"},
        {"no IDE and no directory: nothing runs", std::nullopt, {{kVs80, "D:\\VS8"}}, std::nullopt},
    };
    for (const Case& c : cases) {
        World world;
        if (c.ideRoot) {
            world.ides["VisualStudio.DTE"] = *c.ideRoot;
        }
        for (const auto& [root, directory] : c.installDirs) {
            world.SetInstallDir(root, directory);
        }
        UnregisterServer(testing::ShippedScript(), world.Services());
        const std::string& last = world.calls.back();
        EXPECT_EQ(last.starts_with("run ") ? last : "", c.run ? "run " + *c.run + " /setup" : "")
            << c.what;
    }
}

TEST(RegistrationTest, UnregisterClearsEarlierAddInKeysEvenWithoutAScript) {
    World world;
    for (const char* root : {kVs70, kVs71, kVs80}) {
        const std::string key = std::string(root) + "\\AddIns\\Zentrel2";
        ASSERT_TRUE(world.registry.CreateKey(kHKLM, key + "\\Sub"));
        ASSERT_TRUE(world.registry.SetValue(kHKLM, key, "Description", std::string("old")));
    }
    ASSERT_TRUE(world.registry.CreateKey(kHKLM, std::string(kVs71) + "\\AddIns\\Other"));
    UnregisterServer("HKCR {", world.Services());

    // The IDE versions the add-in once registered under: 8.0 is the script's to clear.
    for (const char* root : {kVs70, kVs71}) {
        EXPECT_FALSE(world.registry.KeyExists(kHKLM, std::string(root) + "\\AddIns\\Zentrel2"));
    }
    EXPECT_TRUE(world.registry.KeyExists(kHKLM, std::string(kVs80) + "\\AddIns\\Zentrel2\\Sub"));
    EXPECT_TRUE(world.registry.KeyExists(kHKLM, std::string(kVs71) + "\\AddIns\\Other"));
    EXPECT_EQ(world.calls, std::vector<std::string>{"unregister type library"});
    EXPECT_EQ(world.tried, kAllProgIds);
}

}  // namespace
}  // namespace host
