// The parameter dialog answered in advance, as a script or a test run gives its answers.
#pragma once

#include <functional>
#include <string>

#include "templates/ask_dialog.h"

namespace templates {

enum class AskVerdict { kUnanswered, kOk, kCancel };

// Takes from the front of the answers those meant for the dialog: each answer's "Prompt=Value"
// lines fill fields, "ok" and "cancel" close it; fields filled without either close it with
// OK. A line naming no field cancels, with the line in `unknown`. kUnanswered, nothing taken,
// when the next answer is none of these. Only fills the fields: OK is the caller's to press.
AskVerdict AnswerAskDialog(AskDialog& dialog, const std::function<const std::string*()>& peek,
                           const std::function<void()>& take, std::string& unknown);

}  // namespace templates
