// How a command ends early, and the frame every command runs in.
#pragma once

#include <functional>
#include <string>
#include <variant>

#include "sys/platform.h"

namespace editor {

// Raised to end a command: a plain code ends it silently, a text is shown to the user.
struct CommandAbort {
    std::variant<int, std::string> reason;

    static CommandAbort Silent(int code = 0) { return CommandAbort{code}; }
    static CommandAbort Message(std::string text) { return CommandAbort{std::move(text)}; }
};

// The caption of the add-in's plain message boxes.
inline constexpr const char* kMessageCaption = "Zentrel";

// Shows a plain message box with an OK button.
void ShowMessage(sys::Platform& platform, const std::string& text);

// Runs a command: a CommandAbort ends it (silently or with its text in a message box);
// with a wait cursor, the cursor is restored on every path, exceptions included.
void RunCommand(sys::Platform& platform, bool waitCursor, const std::function<void()>& command);

}  // namespace editor
