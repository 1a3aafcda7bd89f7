// Answers given in advance through the environment, for runs with no one at the screen (the
// test programs drive the add-in this way). While ZENTREL2_ANSWERS is set, the template menu
// and the parameter dialog take their answers from it, in order, and show no window; with
// none left, the menu is dismissed and the dialog cancelled.
#pragma once

#include <optional>
#include <string>

#include "sys/popup_menu.h"
#include "templates/ask_dialog.h"

namespace win32 {

inline constexpr const char* kAnswersVariable = "ZENTREL2_ANSWERS";
// Between two answers; an answer may hold several lines.
inline constexpr char kAnswerSeparator = '\x1e';

// The item the next answer picks (0: dismissed, also for a greyed, absent or malformed
// number); none when no answers are scripted.
std::optional<int> ScriptedMenuChoice(const ui::PopupMenu& menu);

// The dialog filled and closed from the answers: true for OK; none when no answers are
// scripted.
std::optional<bool> ScriptedAskDialog(templates::AskDialog& dialog);

}  // namespace win32
