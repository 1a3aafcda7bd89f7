// The parameter dialog on a terminal, answered in advance or by the user.
#include <istream>
#include <ostream>
#include <string_view>

#include "posix/terminal_platform.h"
#include "templates/ask_dialog.h"

namespace posix {

namespace {

enum class Verdict { kPending, kOk, kCancel };

// Applies one answer's "Prompt=Value" lines; false when a line names no field, which then
// takes nothing of the answer.
bool ApplyFieldAnswers(std::string_view answer, templates::AskDialog& dialog,
                       std::string& unknown) {
    std::vector<std::pair<std::size_t, std::string>> fields;
    while (!answer.empty()) {
        const std::size_t end = answer.find('\n');
        std::string_view line = answer.substr(0, end);
        answer = end == std::string_view::npos ? std::string_view() : answer.substr(end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        const std::string_view prompt = line.substr(0, equals);
        std::size_t row = 0;
        while (row < dialog.Rows() && dialog.Prompt(row) != prompt)
            ++row;
        if (equals == std::string_view::npos || row == dialog.Rows()) {
            unknown = std::string(line);
            return false;
        }
        fields.emplace_back(row, std::string(line.substr(equals + 1)));
    }
    for (auto& [row, value] : fields)
        dialog.SetFieldText(row, std::move(value));
    return true;
}

}  // namespace

bool TerminalPlatform::ShowAskDialog(templates::AskDialog& dialog) {
    Verdict verdict = Verdict::kPending;
    bool answered = false;
    while (verdict == Verdict::kPending) {
        const std::string* next = answers_.Peek();
        if (next == nullptr)
            break;
        if (*next == "cancel" || *next == "ok") {
            verdict = *next == "ok" ? Verdict::kOk : Verdict::kCancel;
            answers_.Next();
            break;
        }
        if (next->find('=') == std::string::npos)
            break;
        std::string unknown;
        if (!ApplyFieldAnswers(*next, dialog, unknown)) {
            errors_ << "zentrel: the parameter dialog has no field for the answer \"" << unknown
                    << "\"\n";
            verdict = Verdict::kCancel;
        }
        answers_.Next();
        answered = true;
    }
    if (verdict == Verdict::kPending && answered)
        verdict = Verdict::kOk;
    if (verdict == Verdict::kPending && interactive_) {
        errors_ << dialog.Caption() << '\n';
        verdict = Verdict::kOk;
        for (std::size_t row = 0; row < dialog.Rows() && verdict == Verdict::kOk; ++row) {
            errors_ << dialog.LabelText(row) << " [" << dialog.FieldText(row) << "] " << std::flush;
            std::string line;
            if (!std::getline(input_, line))
                verdict = Verdict::kCancel;
            else if (!line.empty())
                dialog.SetFieldText(row, line);
        }
    }
    const bool ok = verdict == Verdict::kOk;
    if (ok)
        dialog.Ok();

    nlohmann::ordered_json fields = nlohmann::ordered_json::array();
    for (std::size_t row = 0; row < dialog.Rows(); ++row) {
        fields.push_back({{"prompt", dialog.Prompt(row)}, {"value", dialog.FieldText(row)}});
    }
    recording_.dialogs.push_back({{"kind", "parameters"},
                                  {"caption", dialog.Caption()},
                                  {"fields", std::move(fields)},
                                  {"result", ok ? "ok" : "cancel"}});
    return ok;
}

}  // namespace posix
