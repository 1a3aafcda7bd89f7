#include "templates/ask_answers.h"

#include <string_view>
#include <utility>
#include <vector>

namespace templates {

namespace {

// All of the answer's lines or none: false when a line names no field.
bool ApplyFieldAnswers(std::string_view answer, AskDialog& dialog, std::string& unknown) {
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

AskVerdict AnswerAskDialog(AskDialog& dialog, const std::function<const std::string*()>& peek,
                           const std::function<void()>& take, std::string& unknown) {
    bool filled = false;
    while (const std::string* next = peek()) {
        if (*next == "cancel" || *next == "ok") {
            const AskVerdict verdict = *next == "ok" ? AskVerdict::kOk : AskVerdict::kCancel;
            take();
            return verdict;
        }
        if (next->find('=') == std::string::npos)
            break;
        const bool applied = ApplyFieldAnswers(*next, dialog, unknown);
        take();
        if (!applied)
            return AskVerdict::kCancel;
        filled = true;
    }
    return filled ? AskVerdict::kOk : AskVerdict::kUnanswered;
}

}  // namespace templates
