// The Browse dialog's controls on a terminal: the filter line edits as an edit control does,
// the list moves as a list box does, and the dialog looks at each key first.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "commands/navigate/browse_dialog.h"

namespace posix {

enum class TerminalKey {
    Backspace,
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Enter,
    Escape,
    Tab,
};

// The key named as an answer names it ("Backspace", "PageDown", ...); none for another name.
std::optional<TerminalKey> KeyNamed(std::string_view name);

// A key pressed in the dialog; `page` is how many rows the list shows.
void PressKey(commands::navigate::BrowseDialog& dialog, TerminalKey key, std::size_t page);
// A character typed into whichever control has the focus.
void TypeChar(commands::navigate::BrowseDialog& dialog, char c);

// One answer of a run: "text:TEXT" types TEXT, "key:NAME" presses a key, "ok", "up" and
// "close" press the buttons. False, with `error` set, for an answer the dialog cannot take.
bool ApplyAnswer(commands::navigate::BrowseDialog& dialog, std::string_view answer,
                 std::string& error);

}  // namespace posix
