#include "editor/command_frame.h"

#include <optional>

namespace editor {

void ShowMessage(sys::Platform& platform, const std::string& text) {
    platform.MessageBox(text, kMessageCaption, sys::kOk);
}

void RunCommand(sys::Platform& platform, bool waitCursor, const std::function<void()>& command) {
    std::optional<std::string> message;
    {
        std::optional<sys::WaitCursor> cursor;
        if (waitCursor)
            cursor.emplace(platform);
        try {
            command();
        } catch (const CommandAbort& abort) {
            if (const std::string* text = std::get_if<std::string>(&abort.reason))
                message = *text;
        }
    }
    // The box comes after the cursor is back, so the user does not wait at an hourglass.
    if (message)
        ShowMessage(platform, *message);
}

}  // namespace editor
