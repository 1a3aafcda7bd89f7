// The clean-up's dialogs on a terminal: each takes its answers from the queue (or the user),
// and is recorded as it was shown and closed.
#include <ostream>

#include "commands/files/clean_dialog.h"
#include "commands/files/progress_dialog.h"
#include "commands/files/report_dialog.h"
#include "posix/terminal_platform.h"

namespace posix {

namespace {

constexpr const char* kCleanPrompt =
    "Clean: Directory=PATH, Recursive=1|0, File Types=TYPES, browse, clean, ok or cancel: ";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

nlohmann::ordered_json InputsJson(const commands::files::CleanDlg& dialog) {
    return {{"directory", dialog.Inputs().directory},
            {"recursive", dialog.Inputs().recursive},
            {"fileTypes", dialog.Inputs().fileTypes},
            {"cleanEnabled", dialog.CleanEnabled()}};
}

std::string Lower(const std::string& text) {
    std::string lower;
    for (const char c : text)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower;
}

// The OK button's own text confirms too ("Delete").
bool IsYes(const std::string& answer, const std::string& okText) {
    const std::string lower = Lower(answer);
    return lower == "ok" || lower == "yes" || lower == "y" || lower == Lower(okText);
}

}  // namespace

void TerminalPlatform::ShowCleanDialog(commands::files::CleanDlg& dialog) {
    dialog.Open();
    const std::size_t index = recording_.dialogs.size();
    recording_.dialogs.push_back(
        {{"kind", "clean"}, {"caption", commands::files::CleanDlg::kCaption}});
    recording_.dialogs[index]["opened"] = InputsJson(dialog);
    std::string closedWith = "cancel";
    for (;;) {
        if (interactive_ && answers_.Empty())
            errors_ << "Clean: " << InputsJson(dialog).dump() << '\n';
        const std::optional<std::string> answer = Ask(kCleanPrompt);
        if (!answer || *answer == "cancel")
            break;
        const std::size_t equals = answer->find('=');
        const std::string name = answer->substr(0, equals);
        if (equals != std::string::npos) {
            const std::string value = answer->substr(equals + 1);
            if (name == "Directory") {
                dialog.SetDirectory(value);
            } else if (name == "Recursive") {
                dialog.SetRecursive(value != "0");
            } else if (name == "File Types") {
                dialog.SetFileTypes(value);
            } else {
                errors_ << "clean dialog: no field " << name << '\n';
            }
        } else if (*answer == "browse") {
            dialog.Browse();
        } else if (*answer == "ok") {
            dialog.Store();
            closedWith = "ok";
            break;
        } else if (*answer == "clean") {
            // A greyed button cannot be pressed.
            if (!dialog.CleanEnabled()) {
                errors_ << "clean dialog: Clean... is disabled without a directory\n";
            } else if (dialog.Clean()) {
                closedWith = "clean";
                break;
            }
        } else {
            errors_ << "clean dialog: answer not understood: " << *answer << '\n';
        }
    }
    nlohmann::ordered_json& record = recording_.dialogs[index];
    record["closed"] = InputsJson(dialog);
    record["closedWith"] = closedWith;
    if (closedWith == "clean") {
        const commands::files::DeleteSummary& summary = dialog.LastDeletion();
        record["deleted"] = summary.deleted;
        record["notDeleted"] = summary.changed + summary.failed;
    }
}

bool TerminalPlatform::ShowReportDialog(commands::files::ReportDlg& dialog) {
    if (interactive_ && answers_.Empty())
        errors_ << dialog.Text();
    const std::string okText = dialog.OkText();
    const std::optional<std::string> answer =
        Ask(dialog.ShowsCancel() ? okText + " or cancel: " : okText + ": ");
    // Without Cancel the dialog can only be confirmed.
    const bool confirmed = !dialog.ShowsCancel() || (answer && IsYes(*answer, okText));
    recording_.dialogs.push_back({{"kind", "report"},
                                  {"caption", commands::files::ReportDlg::kCaption},
                                  {"ok", okText},
                                  {"cancel", dialog.ShowsCancel()},
                                  {"lines", Lines(dialog.Text())},
                                  {"closedWith", confirmed ? "ok" : "cancel"}});
    return confirmed;
}

void TerminalPlatform::ShowProgressDialog(commands::files::ProgressDlg&) {}

void TerminalPlatform::HideProgressDialog(commands::files::ProgressDlg& dialog) {
    if (progressLine_)
        errors_ << "\r\033[K" << std::flush;
    recording_.dialogs.push_back({{"kind", "progress"},
                                  {"caption", commands::files::ProgressDlg::kCaption},
                                  {"title", dialog.Title()},
                                  {"maximum", dialog.Maximum()},
                                  {"position", dialog.Position()}});
}

void TerminalPlatform::ProgressChanged(commands::files::ProgressDlg& dialog) {
    if (!progressLine_)
        return;
    // One line redrawn in place, cut to a common terminal's width.
    std::string line = dialog.Title() + dialog.Item();
    if (line.size() > 79)
        line = line.substr(0, 38) + "..." + line.substr(line.size() - 38);
    errors_ << "\r\033[K" << line << std::flush;
}

}  // namespace posix
