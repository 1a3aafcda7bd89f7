// The Browse dialog of a run: driven by answers, each step recorded as what the dialog showed.
#include <ostream>

#include "posix/browse_input.h"
#include "posix/browse_terminal.h"
#include "posix/terminal_platform.h"

namespace posix {

using commands::navigate::BrowseDialog;
using commands::navigate::BrowseEnd;
using commands::navigate::BrowseFocus;

namespace {

nlohmann::ordered_json Shown(const BrowseDialog& dialog, const std::string* answer) {
    nlohmann::ordered_json shown;
    shown["kind"] = "browse";
    if (answer != nullptr)
        shown["answer"] = *answer;
    shown["caption"] = dialog.Title();
    shown["static"] = dialog.StaticText();
    shown["filter"] = dialog.Filter();
    shown["focus"] = dialog.Focus() == BrowseFocus::List ? "list" : "filter";
    nlohmann::ordered_json items = nlohmann::ordered_json::array();
    for (std::size_t row = 0; row < dialog.RowCount(); ++row)
        items.push_back(dialog.RowText(row));
    shown["items"] = std::move(items);
    shown["selected"] = dialog.Selected() ? nlohmann::ordered_json(*dialog.Selected()) : nullptr;
    if (dialog.End() != BrowseEnd::Running)
        shown["end"] = dialog.End() == BrowseEnd::Ok ? "ok" : "cancel";
    return shown;
}

}  // namespace

bool TerminalPlatform::ShowBrowseDialog(BrowseDialog& dialog) {
    recording_.dialogs.push_back(Shown(dialog, nullptr));
    while (dialog.End() == BrowseEnd::Running) {
        std::optional<std::string> answer = answers_.Next();
        if (!answer)
            break;
        std::string error;
        if (!ApplyAnswer(dialog, *answer, error))
            errors_ << error << '\n';
        recording_.dialogs.push_back(Shown(dialog, &*answer));
    }
    if (dialog.End() != BrowseEnd::Running)
        return true;
    std::string error;
    if (interactive_ && RunBrowseTerminal(dialog, error))
        return true;
    if (!error.empty())
        errors_ << error << '\n';
    // Nobody left to answer: the dialog is cancelled, as every dialog is.
    dialog.Close();
    recording_.dialogs.back()["end"] = "cancel";
    return true;
}

}  // namespace posix
