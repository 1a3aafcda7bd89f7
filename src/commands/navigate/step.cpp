#include "commands/navigate/step.h"

#include <string>

#include "editor/command_frame.h"
#include "editor/editor_document.h"

namespace commands::navigate {
namespace {

// A line break followed by '{', a letter, '#' or "/*": the line after it is a stop.
constexpr const char* kBodyStart = "(\\n\\{)|(\\n[a-zA-Z#])|(\\n/\\*)";
constexpr long kFindDown = ide::kFindPassThrough | ide::kFindRegExpr;
constexpr long kFindUp = kFindDown | ide::kFindBackwards;
constexpr int kUpwardTries = 3;

// The editor's backward search can fail where a try one line higher succeeds; three tries in all.
bool FindBodyStart(ide::TextSelection& selection, bool up, bool extend) {
    if (!up)
        return selection.FindText(kBodyStart, kFindDown);
    for (int tries = 1;; ++tries) {
        if (selection.FindText(kBodyStart, kFindUp))
            return true;
        if (tries == kUpwardTries)
            return false;
        selection.LineUp(extend, 1);
    }
}

void StepFrom(ide::TextSelection& selection, bool up, bool extend) {
    const long column = selection.CurrentColumn();
    const long top = selection.TopLine();
    const long bottom = selection.BottomLine();

    // Downwards the next line is never a stop: its own leading break lies behind the caret.
    if (up)
        selection.LineUp(extend, 1);
    else
        selection.LineDown(extend, 1);

    if (!FindBodyStart(selection, up, extend)) {
        if (up)
            selection.StartOfDocument(extend);
        else
            selection.EndOfDocument(extend);
        return;
    }
    // A body whose '{' opens its own line belongs to the head on the line above.
    if (up && selection.Text().substr(0, 3).find('{') != std::string::npos) {
        if (extend)
            selection.LineUp(true, 1);
        else
            selection.CharLeft(false, 1);
    }
    selection.StartOfLine(0, extend);

    if (extend) {
        // The find selected its match; the selection runs again from the former far end.
        const long target = selection.CurrentLine();
        selection.MoveTo(up ? bottom : top, column, false);
        selection.MoveTo(target, 1, true);
    }
}

}  // namespace

void Step(const CommandContext& context, bool up, bool extend) {
    if (context.environment == nullptr)
        return;
    editor::RunCommand(context.platform, false, [&] {
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        bool isText = false;
        // Any text document will do, whatever its extension.
        if (!document.Attach(std::nullopt, &isText) && !isText)
            throw editor::CommandAbort::Silent();
        StepFrom(*document.Selection(), up, extend);
    });
}

}  // namespace commands::navigate
