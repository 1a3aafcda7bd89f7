// Key chords: one spelling for each, bindings, and which command a press runs.
#include "workbench/key_chord.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "bench_fixture.h"

namespace {

using workbench::NormalizeChord;
using workbench::ParseBinding;

TEST(KeyChord, OneSpellingForEveryWayOfWritingIt) {
    const struct {
        const char* keys;
        const char* normalized;
    } cases[] = {
        {"Shift+Ctrl+pgdn", "ctrl+shift+pgdn"},
        {" shift + control + PageDown ", "ctrl+shift+pgdn"},
        {"Alt+Shift+Ctrl+Delete", "ctrl+alt+shift+del"},
        {"F5", "f5"},
        {"ctrl++", "ctrl++"},
        {"ctrl+,", "ctrl+,"},
        {"Ctrl+K,Shift+Ctrl+C", "ctrl+k, ctrl+shift+c"},
        {"ctrl+Down Arrow", "ctrl+down"},
        {"Shift+F24", "shift+f24"},
        {"ctrl+Num *", "ctrl+num *"},
        {"Shift++", "shift++"},
        {"ctrl+F", "ctrl+f"},
        {"\tF10\v", "f10"},
        {"ctrl+k , alt+,", "ctrl+k, alt+,"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeChord(c.keys), c.normalized) << c.keys;
    for (const char* keys :
         {"", "ctrl+", "+c", "ctrl+shift", "ctrl+control+c", "hyper+c", "ctrl+k,", "ctrl+zz", "f25",
          "ctrl+f0", "ctrl+f05", "++", "f2x", "ctrl+\xe9", "ctrl+\x7f"})
        EXPECT_EQ(NormalizeChord(keys), std::nullopt) << keys;
}

TEST(KeyChord, BindingsSplitIntoScopeAndChord) {
    const workbench::KeyBinding binding = *ParseBinding("Global::Shift+Ctrl+PgUp");
    EXPECT_EQ(binding.scope, "Global");
    EXPECT_EQ(binding.chord, "ctrl+shift+pgup");
    for (const char* text : {"Global::", "::ctrl+1", "ctrl+1", "Global:ctrl+1"})
        EXPECT_FALSE(ParseBinding(text)) << text;
    EXPECT_EQ(*ParseBinding("text editor::CTRL+SHIFT+X"),
              *ParseBinding("Text Editor::shift+ctrl+x"));
    EXPECT_FALSE(*ParseBinding("Global::ctrl+x") == *ParseBinding("Text Editor::ctrl+x"));
}

class PressKeysTest : public workbench_testing::BenchTest {
  protected:
    PressKeysTest() {
        bench_.SetKeyboardScheme("keys.vsk");
        Bind("Step", "Text Editor::ctrl+shift+PgDn");
        Bind("Menu", "Global::ctrl+q");
        Bind("Editor", "Text Editor::ctrl+4");
        Bind("Everywhere", "Global::ctrl+4");
    }
    void Bind(const std::string& name, const std::string& binding) {
        ide::Ref<ide::Command> command = Add(name);
        ASSERT_TRUE(command && command->SetBindings({binding})) << name;
    }
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
            EXPECT_EQ(Pressed(keys, &error), runs) << keys;
            EXPECT_EQ(error.empty(), *runs != '\0') << keys << ": " << error;
        }
    };
    check(outside);
    Open("a.cpp", "int a;\n");
    check(inEditor);
}

TEST_F(PressKeysTest, ReportsACommandThatDidNotRun) {
    std::string error;
    EXPECT_FALSE(bench_.PressKeys(
        "ctrl+q", [](const std::string&) { return false; }, error));
    EXPECT_NE(error.find("Zentrel2.Menu"), std::string::npos) << error;
}

}  // namespace
