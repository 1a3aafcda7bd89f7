#include "win32/scripted_answers.h"

#include <charconv>

#include "templates/ask_answers.h"
#include "win32/win_api.h"

namespace win32 {

namespace {

// The answers left, read afresh each time so a caller may change them between calls.
class Script {
  public:
    static std::optional<Script> Read() {
        const DWORD size = GetEnvironmentVariableA(kAnswersVariable, nullptr, 0);
        if (size == 0)
            return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt
                                                            : std::optional(Script(""));
        std::string text(size, '\0');
        text.resize(GetEnvironmentVariableA(kAnswersVariable, text.data(), size));
        return Script(std::move(text));
    }

    const std::string* Peek() {
        if (text_.empty())
            return nullptr;
        next_ = text_.substr(0, text_.find(kAnswerSeparator));
        return &next_;
    }
    void Take() {
        const std::size_t end = text_.find(kAnswerSeparator);
        text_.erase(0, end == std::string::npos ? text_.size() : end + 1);
        SetEnvironmentVariableA(kAnswersVariable, text_.c_str());
    }

  private:
    explicit Script(std::string text) : text_(std::move(text)) {}
    std::string text_;
    std::string next_;
};

}  // namespace

std::optional<int> ScriptedMenuChoice(const ui::PopupMenu& menu) {
    std::optional<Script> script = Script::Read();
    if (!script)
        return std::nullopt;
    const std::string* answer = script->Peek();
    if (answer == nullptr)
        return 0;
    int number = 0;
    const char* end = answer->data() + answer->size();
    const auto [stop, error] = std::from_chars(answer->data(), end, number);
    const bool wellFormed = error == std::errc() && stop == end;
    script->Take();
    // A greyed or absent item cannot be picked in the menu either.
    const ui::MenuItem* item = wellFormed && number != 0 ? menu.FindItem(number) : nullptr;
    return item != nullptr && item->enabled ? number : 0;
}

std::optional<bool> ScriptedAskDialog(templates::AskDialog& dialog) {
    std::optional<Script> script = Script::Read();
    if (!script)
        return std::nullopt;
    std::string unknown;
    const templates::AskVerdict verdict = templates::AnswerAskDialog(
        dialog, [&] { return script->Peek(); }, [&] { script->Take(); }, unknown);
    if (verdict != templates::AskVerdict::kOk) {
        dialog.Cancel();
        return false;
    }
    dialog.Ok();
    return true;
}

}  // namespace win32
