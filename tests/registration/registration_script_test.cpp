#include "registration/registration_script.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace registration {
namespace {

const RegistrationScript* Parsed(const std::variant<RegistrationScript, ScriptError>& result) {
    if (const auto* error = std::get_if<ScriptError>(&result)) {
        ADD_FAILURE() << error->ToString();
        return nullptr;
    }
    return &std::get<RegistrationScript>(result);
}

TEST(RegistrationScriptTest, ReadsKeysFlagsAndValuesInScriptOrder) {
    auto result = RegistrationScript::Parse(
        "hkcr {\n"
        "  noremove CLSID {\n"
        "    FORCEREMOVE {5A3C9E10-7B42} = S 'it''s' {\n"
        "      VAL 'val' = d 0x2A\n"
        "      'NoRemove' = d '4294967295'\n"
        "    }\n"
        "  }\n"
        "  Plain\n"
        "}\n"
        "HKEY_CURRENT_USER { K = s '' }\n");
    const RegistrationScript* script = Parsed(result);
    ASSERT_NE(script, nullptr);
    ASSERT_EQ(script->keys.size(), 5u);
    const auto& k = script->keys;

    EXPECT_EQ(k[0].name, "CLSID");
    EXPECT_EQ(k[0].flag, KeyFlag::NoRemove);
    EXPECT_FALSE(k[0].defaultValue);

    EXPECT_EQ(k[1].name, "{5A3C9E10-7B42}");
    EXPECT_EQ(k[1].flag, KeyFlag::ForceRemove);
    EXPECT_EQ(k[1].parent, 0u);
    EXPECT_EQ(k[1].defaultValue, RegistryValue(std::string("it's")));
    ASSERT_EQ(k[1].values.size(), 1u);
    EXPECT_EQ(k[1].values[0].name, "val") << "a quoted word is no keyword";
    EXPECT_EQ(k[1].values[0].data, RegistryValue(std::uint32_t{42}));

    EXPECT_EQ(k[2].name, "NoRemove");
    EXPECT_EQ(k[2].flag, KeyFlag::None);
    EXPECT_EQ(k[2].parent, 1u);
    EXPECT_EQ(k[2].defaultValue, RegistryValue(std::uint32_t{0xffffffff}));

    EXPECT_EQ(k[3].parent, kNoParent);

    EXPECT_EQ(k[4].root, RegistryRoot::CurrentUser);
    EXPECT_EQ(k[4].defaultValue, RegistryValue(std::string()));
}

TEST(RegistrationScriptTest, MalformedScriptsGiveTheLineAndTheReason) {
    struct Case {
        const char* script;
        std::size_t line;
        const char* message;
    } cases[] = {
        {"HKCR\n{\n  Foo\n  {\n", 4, "unbalanced '{': the body of 'Foo' is not closed"},
        {"HKCR\n{\n}\n}\n", 4, "unbalanced '}'"},
        {"HKCR {\n Foo = x 'a'\n}", 2, "unknown value type 'x'; expected s or d"},
        {"HKCR {\n Foo = b '00'\n}", 2, "value type 'b' is not supported"},
        {"HKCR { Fo'o' }", 1, "a quote inside the word Fo'o'"},
        {"HKCR { Foo{ } }", 1, "'Foo{': braces and '=' must stand apart"},
        {"\n\nHKXX { }", 3, "unknown root 'HKXX'; expected HKCR, HKLM or HKCU"},
        {"HKCR\nFoo", 2, "expected '{' after the root HKCR, found Foo"},
        {"HKCR {\n val X = s 'a' }", 2, "'val' right below the root HKCR"},
        {"HKCR { NoRemove ForceRemove Foo }", 1, "a key takes one of NoRemove and ForceRemove"},
        {"HKCR { Delete Foo }", 1, "the keyword 'Delete' is not supported"},
        {"HKCR { K {\n val Bar s 'x' } }", 2, "expected '=' after the value name 'Bar', found s"},
        {"HKCR { K = d '4294967296' }", 1, "expected a DWORD"},
        {"HKCR { 'a\\b' }", 1, "the name 'a\\b' is empty or contains '\\'"},
    };
    for (const Case& c : cases) {
        auto result = RegistrationScript::Parse(c.script);
        const auto* error = std::get_if<ScriptError>(&result);
        ASSERT_NE(error, nullptr) << c.script;
        EXPECT_EQ(error->line, c.line) << c.script << "\n" << error->ToString();
        EXPECT_NE(error->message.find(c.message), std::string::npos) << c.script << "\n"
                                                                     << error->ToString();
    }
}

TEST(RegistrationScriptTest, NestingIsBoundedByTheRegistrysDepth) {
    auto nested = [](std::size_t levels) {
        std::string script = "HKCU ";
        for (std::size_t i = 0; i < levels; ++i) {
            script += "{ k ";
        }
        script += "{ }";
        for (std::size_t i = 0; i < levels; ++i) {
            script += " }";
        }
        return script;
    };
    auto deepest = RegistrationScript::Parse(nested(kMaxScriptDepth));
    const RegistrationScript* script = Parsed(deepest);
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->keys.size(), kMaxScriptDepth);
    EXPECT_EQ(script->keys.back().parent, kMaxScriptDepth - 2);

    auto deeper = RegistrationScript::Parse(nested(kMaxScriptDepth + 1));
    ASSERT_TRUE(std::holds_alternative<ScriptError>(deeper));
    EXPECT_EQ(std::get<ScriptError>(deeper).message, "keys nested deeper than 512 levels");
}

}  // namespace
}  // namespace registration
