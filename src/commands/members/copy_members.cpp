#include "commands/members/copy_members.h"

#include "analysis/class_scope.h"
#include "analysis/line_feeds.h"
#include "editor/command_frame.h"

namespace commands::members {

namespace {
constexpr int kMaxLines = 10000;
}  // namespace

void CopyMembers(const CommandContext& context) {
    editor::RunCommand(context.platform, true, [&] {
        if (context.environment == nullptr || context.members == nullptr) {
            context.platform.Beep();
            throw editor::CommandAbort::Silent();
        }
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        if (!document.Attach()) {
            context.platform.Beep();
            throw editor::CommandAbort::Silent();
        }
        // Taken before the caret line may become the selection. Whole lines selected top down
        // leave the caret at the start of the line below, which holds nothing selected; when
        // that line is the class's closing brace it would hide the class, so the last
        // selected line is read instead.
        long line = document.CaretLine();
        if (const auto& selection = document.Selection();
            selection && selection->CurrentColumn() == 1 &&
            selection->CurrentLine() == selection->BottomLine() &&
            selection->TopLine() < selection->BottomLine())
            --line;
        const std::string selected = analysis::WithLfLines(document.GetSelectedText(true));

        std::string className;
        std::string access;
        if (!analysis::FindClassScope(analysis::WithLfLines(document.GetText()),
                                      static_cast<int>(line), className, access)) {
            className.clear();
            access.clear();
        }
        analysis::MemberList members;
        document.CollectMembers(selected, className, access, 0, kMaxLines, false, members);
        // Even an empty list replaces the old one: a later paste then inserts nothing.
        *context.members = std::move(members);
    });
}

}  // namespace commands::members
