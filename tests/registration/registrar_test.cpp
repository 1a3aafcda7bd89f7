#include "registration/registrar.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "registration/memory_registry.h"

namespace registration {
namespace {

constexpr char kModule[] = "C:\\Program Files\\Zentrel2\\Zentrel2.dll";

RegistrationScript ParseOrFail(const std::string& text) {
    auto result = RegistrationScript::Parse(text);
    if (const auto* error = std::get_if<ScriptError>(&result)) {
        ADD_FAILURE() << error->ToString();
        return {};
    }
    return std::get<RegistrationScript>(std::move(result));
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
}  // namespace registration
