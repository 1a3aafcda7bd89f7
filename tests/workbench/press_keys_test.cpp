#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace {

class PressKeysTest : public ::testing::Test {
  protected:
    PressKeysTest() {
        bench_.SetKeyboardScheme("keys.vsk");
        Bind("Step", {"Text Editor::ctrl+shift+PgDn"});
        Bind("Menu", {"Global::ctrl+q"});
        Bind("Editor", {"Text Editor::ctrl+4"});
        Bind("Everywhere", {"Global::ctrl+4"});
    }
    void Bind(const std::string& name, const std::vector<std::string>& bindings) {
        ide::Ref<ide::Command> command =
            bench_.GetCommands()->AddNamedCommand(bench_.AddInInstance().get(), name, name, name,
                                                  true, 0, ide::kCommandStatusSupportedEnabled);
        ASSERT_TRUE(command && command->SetBindings(bindings)) << name;
    }
    void OpenDocument() {
        std::string error;
        ASSERT_TRUE(bench_.OpenFile(dir_.Write("a.cpp", "int a;\n").string(), error)) << error;
    }
    // The command run, or "" when none ran.
    std::string Press(const std::string& keys, std::string& error) {
        std::string ran;
        bool pressed = bench_.PressKeys(
            keys,
            [&](const std::string& name) {
                ran = name;
                return true;
            },
            error);
        EXPECT_EQ(pressed, !ran.empty()) << keys;
        return ran;
    }

    testing_support::TempDir dir_;
    workbench::Workbench bench_;
};

TEST_F(PressKeysTest, ActiveScopeDecidesWhichBindingRuns) {
    // Before a document is open only Global bindings apply; in the editor, its own come first.
    const std::pair<const char*, const char*> outside[] = {
        {"ctrl+shift+pgdn", ""},
        {"Ctrl+Q", "Zentrel2.Menu"},
        {"ctrl+4", "Zentrel2.Everywhere"},
        {"ctrl+g", ""},
    };
    const std::pair<const char*, const char*> inEditor[] = {
        {"Shift+Ctrl+pgdn", "Zentrel2.Step"},
        {"ctrl+q", "Zentrel2.Menu"},
        {"ctrl+4", "Zentrel2.Editor"},
        {"ctrl+c", "Edit.Copy"},
        {"alt+q", ""},
        {"ctrl+", ""},
    };
    const auto check = [&](const auto& cases) {
        for (const auto& [keys, runs] : cases) {
            std::string error;
            EXPECT_EQ(Press(keys, error), runs) << keys;
            EXPECT_EQ(error.empty(), *runs != '\0') << keys << ": " << error;
        }
    };
    check(outside);
    OpenDocument();
    check(inEditor);
}

TEST_F(PressKeysTest, ReportsACommandThatDidNotRun) {
    std::string error;
    EXPECT_FALSE(bench_.PressKeys(
        "ctrl+q", [](const std::string&) { return false; }, error));
    EXPECT_NE(error.find("Zentrel2.Menu"), std::string::npos) << error;
}

}  // namespace
