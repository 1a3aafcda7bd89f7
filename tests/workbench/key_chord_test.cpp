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

}  // namespace
