#include "workbench/key_chord.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using workbench::NormalizeChord;
using workbench::ParseBinding;

TEST(KeyChord, OneSpellingForEveryWayOfWritingIt) {
    const struct {
        const char* keys;
        std::optional<std::string> normalized;
    } cases[] = {
        {"ctrl+shift+PgDn", "ctrl+shift+pgdn"},
        {"Shift+Ctrl+pgdn", "ctrl+shift+pgdn"},
        {" shift + control + PageDown ", "ctrl+shift+pgdn"},
        {"Alt+Shift+Ctrl+Delete", "ctrl+alt+shift+del"},
        {"ctrl+1", "ctrl+1"},
        {"F5", "f5"},
        {"ctrl++", "ctrl++"},
        {"ctrl+,", "ctrl+,"},
        {"Ctrl+K,Ctrl+C", "ctrl+k, ctrl+c"},
        {"ctrl+k, shift+ctrl+c", "ctrl+k, ctrl+shift+c"},
        {"", std::nullopt},
        {"ctrl+", std::nullopt},
        {"+c", std::nullopt},
        {"++", std::nullopt},
        {"ctrl+shift", std::nullopt},
        {"ctrl+ctrl+c", std::nullopt},
        {"ctrl+control+c", std::nullopt},
        {"hyper+c", std::nullopt},
        {"ctrl+k,", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeChord(c.keys), c.normalized) << c.keys;
}

TEST(KeyChord, BindingsSplitIntoScopeAndChord) {
    const struct {
        const char* text;
        bool valid;
        const char* scope;
        const char* chord;
    } cases[] = {
        {"Text Editor::ctrl+1", true, "Text Editor", "ctrl+1"},
        {"Global::Shift+Ctrl+PgUp", true, "Global", "ctrl+shift+pgup"},
        {"Global::", false, "", ""},
        {"::ctrl+1", false, "", ""},
        {"ctrl+1", false, "", ""},
        {"Global:ctrl+1", false, "", ""},
    };
    for (const auto& c : cases) {
        std::optional<workbench::KeyBinding> binding = ParseBinding(c.text);
        ASSERT_EQ(binding.has_value(), c.valid) << c.text;
        if (!binding)
            continue;
        EXPECT_EQ(binding->scope, c.scope) << c.text;
        EXPECT_EQ(binding->chord, c.chord) << c.text;
    }
    EXPECT_EQ(*ParseBinding("text editor::CTRL+SHIFT+X"),
              *ParseBinding("Text Editor::shift+ctrl+x"));
    EXPECT_FALSE(*ParseBinding("Global::ctrl+x") == *ParseBinding("Text Editor::ctrl+x"));
}

}  // namespace
