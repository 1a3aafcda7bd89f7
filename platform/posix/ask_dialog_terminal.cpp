// The parameter dialog on a terminal, answered in advance or by the user.
#include <istream>
#include <ostream>
#include <string_view>

#include "posix/terminal_platform.h"
#include "templates/ask_answers.h"

namespace posix {

using templates::AskVerdict;

bool TerminalPlatform::ShowAskDialog(templates::AskDialog& dialog) {
    std::string unknown;
    AskVerdict verdict = templates::AnswerAskDialog(
        dialog, [this] { return answers_.Peek(); }, [this] { answers_.Next(); }, unknown);
    if (!unknown.empty()) {
        errors_ << "zentrel: the parameter dialog has no field for the answer \"" << unknown
                << "\"\n";
    }
    if (verdict == AskVerdict::kUnanswered && interactive_) {
        errors_ << dialog.Caption() << '\n';
        verdict = AskVerdict::kOk;
        for (std::size_t row = 0; row < dialog.Rows() && verdict == AskVerdict::kOk; ++row) {
            errors_ << dialog.LabelText(row) << " [" << dialog.FieldText(row) << "] " << std::flush;
            std::string line;
            if (!std::getline(input_, line))
                verdict = AskVerdict::kCancel;
            else if (!line.empty())
                dialog.SetFieldText(row, line);
        }
    }
    const bool ok = verdict == AskVerdict::kOk;
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
