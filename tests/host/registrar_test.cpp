#include "host/registrar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>

#include "host/memory_registry.h"
#include "registry_fixtures.h"

namespace host {
namespace {

constexpr char kModule[] = "C:\\Program Files\\Zentrel2\\Zentrel2.dll";
constexpr char kClsid[] = "{5A3C9E10-7B42-4D8F-9C61-2E8B4F7A0D35}";

// Registry text in the dump's own form; `sections` starts with the blank line of its first key.
std::string Reg(const std::string& sections) {
    return "REGEDIT4\n" + sections;
}

MemoryRegistry FromText(const std::string& text) {
    MemoryRegistry registry;
    std::istringstream in(text);
    std::string error;
    EXPECT_TRUE(registry.Load(in, error)) << error;
    return registry;
}

RegistrationScript ParseOrFail(const std::string& text) {
    auto result = RegistrationScript::Parse(text);
    if (const auto* error = std::get_if<ScriptError>(&result)) {
        ADD_FAILURE() << error->ToString();
        return {};
    }
    return std::get<RegistrationScript>(std::move(result));
}

void RunWithModule(const RegistrationScript& script, RegistrarMode mode, RegistryModel& registry) {
    Registrar registrar;
    registrar.AddModuleReplacements(kModule);
    if (auto error = registrar.Run(script, mode, registry)) {
        ADD_FAILURE() << error->ToString();
    }
}

TEST(RegistrarTest, RegisterWritesEveryKeyAndValueOfTheShippedScript) {
    MemoryRegistry expected;
    auto put = [&](RegistryRoot root, const std::string& path, const std::string& name,
                   const char* value) {
        ASSERT_TRUE(expected.CreateKey(root, path));
        if (value != nullptr) {
            ASSERT_TRUE(expected.SetValue(root, path, name, std::string(value)));
        }
    };
    const auto hkcr = RegistryRoot::ClassesRoot;
    const std::string clsid = std::string("CLSID\\") + kClsid;
    put(hkcr, "Zentrel2.1", "", "Zentrel2 Class");
    put(hkcr, "Zentrel2.1\\CLSID", "", kClsid);
    put(hkcr, "Zentrel2", "", "Zentrel2 Class");
    put(hkcr, "Zentrel2\\CLSID", "", kClsid);
    put(hkcr, "Zentrel2\\CurVer", "", "Zentrel2.1");
    put(hkcr, clsid, "", "Zentrel2 Class");
    put(hkcr, clsid + "\\ProgID", "", "Zentrel2.1");
    put(hkcr, clsid + "\\VersionIndependentProgID", "", "Zentrel2");
    put(hkcr, clsid + "\\Programmable", "", nullptr);
    put(hkcr, clsid + "\\InprocServer32", "", kModule);
    put(hkcr, clsid + "\\InprocServer32", "ThreadingModel", "Apartment");
    put(hkcr, clsid + "\\TypeLib", "", "{8D17F4C2-3E95-4A6B-B0D8-71C2E9A45F03}");
    for (const char* version : {"7.0", "7.1", "8.0"}) {
        const std::string key =
            std::string("Software\\Microsoft\\VisualStudio\\") + version + "\\Addins\\Zentrel2";
        for (RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
            put(root, key, "SatelliteDllPath", "C:\\Program Files\\Zentrel2\\");
            put(root, key, "SatelliteDllName", "Zentrel2.dll");
        }
        put(RegistryRoot::LocalMachine, key, "Description",
            "Adds useful commands to your developer environment");
    }
    put(RegistryRoot::CurrentUser, "Software\\Tarn\\Zentrel2\\Setup", "", nullptr);

    MemoryRegistry registry;
    RunWithModule(ParseOrFail(testing::ShippedScript()), RegistrarMode::Register, registry);
    EXPECT_EQ(registry.Dump(), expected.Dump());
}

// What the user has around the add-in's keys, and the first-time-setup markers.
const std::string kUserState = Reg(R"(
[HKEY_CLASSES_ROOT\CLSID\{00000000-0000-0000-0000-000000000001}]
@="Other"

[HKEY_CLASSES_ROOT\Zentrel2]
"Foo"="bar"

[HKEY_LOCAL_MACHINE\Software\Microsoft\VisualStudio\7.1\Addins\Other]
"Description"="another add-in"

[HKEY_CURRENT_USER\Software\Tarn\Zentrel2\Options]
"Extensions Source"="cpp\x01c\x01"
"Paste Space"=dword:00000001

[HKEY_CURRENT_USER\Software\Tarn\Zentrel2\Setup]
"7.1"=dword:00000001

[HKEY_CURRENT_USER\Software\Tarn\Zentrel2\Setup\Stale]
)");

TEST(RegistrarTest, RegisteringTwiceLeavesOneSetOfKeysAndAnEmptySetupKey) {
    const RegistrationScript script = ParseOrFail(testing::ShippedScript());
    MemoryRegistry registry = FromText(kUserState);
    RunWithModule(script, RegistrarMode::Register, registry);
    const std::string once = registry.Dump();
    RunWithModule(script, RegistrarMode::Register, registry);
    EXPECT_EQ(registry.Dump(), once);

    const RegistryRoot hkcu = RegistryRoot::CurrentUser;
    EXPECT_TRUE(registry.KeyExists(hkcu, "Software\\Tarn\\Zentrel2\\Setup"));
    EXPECT_TRUE(registry.SubKeys(hkcu, "Software\\Tarn\\Zentrel2\\Setup").empty());
    EXPECT_TRUE(registry.ValueNames(hkcu, "Software\\Tarn\\Zentrel2\\Setup").empty());
    EXPECT_EQ(ReadString(registry, RegistryRoot::ClassesRoot, "Zentrel2", "Foo"), "bar");
}

TEST(RegistrarTest, UnregisterRemovesTheAddInAndKeepsEverythingElse) {
    const RegistrationScript script = ParseOrFail(testing::ShippedScript());
    MemoryRegistry registry = FromText(kUserState);
    RunWithModule(script, RegistrarMode::Register, registry);
    RunWithModule(script, RegistrarMode::Unregister, registry);
    const RegistryRoot hkcr = RegistryRoot::ClassesRoot, hkcu = RegistryRoot::CurrentUser;
    EXPECT_FALSE(registry.KeyExists(hkcr, std::string("CLSID\\") + kClsid));
    EXPECT_FALSE(registry.KeyExists(hkcr, "Zentrel2.1"));
    EXPECT_FALSE(registry.KeyExists(hkcr, "Zentrel2\\CLSID"));
    EXPECT_FALSE(registry.KeyExists(hkcu, "Software\\Tarn\\Zentrel2\\Setup"));
    for (RegistryRoot root : {RegistryRoot::LocalMachine, hkcu}) {
        for (const char* version : {"7.0", "7.1", "8.0"}) {
            EXPECT_FALSE(
                registry.KeyExists(root, std::string("Software\\Microsoft\\VisualStudio\\") +
                                             version + "\\Addins\\Zentrel2"));
        }
    }
    // What the user had around the add-in stays.
    EXPECT_EQ(ReadString(registry, hkcr, "CLSID\\{00000000-0000-0000-0000-000000000001}", ""),
              "Other");
    EXPECT_EQ(ReadString(registry, hkcr, "Zentrel2", "Foo"), "bar");
    EXPECT_TRUE(registry.KeyExists(RegistryRoot::LocalMachine,
                                   "Software\\Microsoft\\VisualStudio\\7.1\\Addins\\Other"));
    const char* options = "Software\\Tarn\\Zentrel2\\Options";
    EXPECT_EQ(registry.ValueNames(hkcu, options).size(), 2u);
    EXPECT_EQ(registry.GetValue(hkcu, options, "Paste Space"), RegistryValue(std::uint32_t{1}));
}

TEST(RegistrarTest, EachModeFollowsTheKeyFlags) {
    struct Case {
        const char* what;
        RegistrarMode mode;
        const char* script;
        std::string before;
        std::string after;
    } cases[] = {
        {"a plain key holding only what the script lists goes, with its parents",
         RegistrarMode::Unregister, "HKCU { A = s 'x' { B { val v = s '1' } } }",
         Reg("\n[HKEY_CURRENT_USER\\A]\n@=\"x\"\n\n[HKEY_CURRENT_USER\\A\\B]\n\"v\"=\"1\"\n"),
         Reg("")},
        {"a plain key holding more stays, without what the script lists", RegistrarMode::Unregister,
         "HKCU { A = s 'x' { B { val v = s '1' } } }",
         Reg("\n[HKEY_CURRENT_USER\\A]\n@=\"x\"\n\n[HKEY_CURRENT_USER\\A\\B]\n\"v\"=\"1\"\n\"w\"="
             "\"k\"\n"
             "\n[HKEY_CURRENT_USER\\A\\C]\n"),
         Reg("\n[HKEY_CURRENT_USER\\A]\n\n[HKEY_CURRENT_USER\\A\\B]\n\"w\"=\"k\"\n\n"
             "[HKEY_CURRENT_USER\\A\\C]\n")},
        {"a NoRemove key keeps its default value but loses the listed ones",
         RegistrarMode::Unregister, "HKCU { NoRemove A = s 'x' { val v = s '1' } }",
         Reg("\n[HKEY_CURRENT_USER\\A]\n@=\"x\"\n\"v\"=\"1\"\n"),
         Reg("\n[HKEY_CURRENT_USER\\A]\n@=\"x\"\n")},
        {"a ForceRemove key goes with everything beneath it", RegistrarMode::Unregister,
         "HKCU { NoRemove A { ForceRemove B { NoRemove C } } }",
         Reg("\n[HKEY_CURRENT_USER\\A\\B\\C\\D]\n\"n\"=\"v\"\n\n[HKEY_CURRENT_USER\\A\\Other]\n"),
         Reg("\n[HKEY_CURRENT_USER\\A]\n\n[HKEY_CURRENT_USER\\A\\Other]\n")},
        {"ForceRemove clears the key before writing it", RegistrarMode::Register,
         "HKCU { ForceRemove A { B = s 'n' } }",
         Reg("\n[HKEY_CURRENT_USER\\A]\n\"old\"=\"x\"\n\n[HKEY_CURRENT_USER\\A\\Stale]\n"),
         Reg("\n[HKEY_CURRENT_USER\\A]\n\n[HKEY_CURRENT_USER\\A\\B]\n@=\"n\"\n")},
        {"other keys keep what they hold", RegistrarMode::Register,
         "HKCU { NoRemove A { val v = s 'new' } B = d 0x10 }",
         Reg("\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"old\"\n\"w\"=\"keep\"\n"),
         Reg("\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"new\"\n\"w\"=\"keep\"\n\n"
             "[HKEY_CURRENT_USER\\B]\n@=dword:00000010\n")},
        {"%% is one percent sign", RegistrarMode::Register,
         "HKCU { '100%%' = s '%%MODULE%%=%MODULENAME%' }", Reg(""),
         Reg("\n[HKEY_CURRENT_USER\\100%]\n@=\"%MODULE%=Zentrel2.dll\"\n")},
    };
    for (const Case& c : cases) {
        MemoryRegistry registry = FromText(c.before);
        RunWithModule(ParseOrFail(c.script), c.mode, registry);
        EXPECT_EQ(registry.Dump(), c.after) << c.what;
    }
}

TEST(RegistrarTest, FailuresNameTheScriptLineAndBadReplacementsWriteNothing) {
    struct Case {
        const char* script;
        std::size_t line;
        const char* message;
        bool writesNothing;
    } cases[] = {
        {"HKCU { First\n A = s '%NOPE%' }", 2, "unknown replacement %NOPE%", true},
        {"HKCU { First\n 'a%CTRL%b' }", 2,
         "cannot create the key HKEY_CURRENT_USER\\a\x01"
         "b",
         false},
    };
    for (const Case& c : cases) {
        Registrar registrar;
        registrar.AddModuleReplacements(kModule);
        registrar.AddReplacement("CTRL", "\x01");
        const RegistrationScript script = ParseOrFail(c.script);
        for (RegistrarMode mode : {RegistrarMode::Register, RegistrarMode::Unregister}) {
            MemoryRegistry registry;
            auto error = registrar.Run(script, mode, registry);
            if (mode == RegistrarMode::Unregister && !c.writesNothing) {
                EXPECT_FALSE(error) << c.script << "\nan absent key is not looked at";
                continue;
            }
            ASSERT_TRUE(error) << c.script;
            EXPECT_EQ(error->line, c.line) << c.script;
            EXPECT_EQ(error->message, c.message) << c.script;
            EXPECT_EQ(registry.KeyExists(RegistryRoot::CurrentUser, "First"), !c.writesNothing)
                << c.script;
        }
    }
}

}  // namespace
}  // namespace host
