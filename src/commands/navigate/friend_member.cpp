#include "commands/navigate/friend_member.h"

#include <string>

#include "commands/navigate/friend_path.h"
#include "editor/command_frame.h"
#include "editor/editor_document.h"

namespace commands::navigate {

namespace {

constexpr long kFindFromCaret = ide::kFindPassThrough | ide::kFindRegExpr | ide::kFindMatchCase;
constexpr long kFindFromTop = kFindFromCaret | ide::kFindFromStart;

std::string EscapeTildes(const std::string& name) {
    std::string escaped;
    for (char c : name) {
        if (c == '~')
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// Every way this command fails is told by the default beep alone.
[[noreturn]] void Fail(const CommandContext& context) {
    context.platform.Beep();
    throw editor::CommandAbort::Silent();
}

// The editor's find pattern for the line that declares or defines the member in the friend
// file; `name` is the member's name with every '~' escaped.
std::string FriendMemberPattern(const analysis::MemberRecord& member, const std::string& name,
                                bool inSourceFile) {
    const bool classMember = !member.Class.empty();
    // A definition carries its qualification, whatever the class is called.
    if (inSourceFile && classMember)
        return "\\:\\:" + name + (member.Function ? "\\(" : ";");
    // Declarations written through a macro take the name in parentheses.
    if (classMember && member.Function)
        return "([ \\t]" + name + "\\()|(\\(" + name + "\\))";
    return "[ \\t]" + name + (member.Function ? "\\(" : ";");
}

}  // namespace

void FriendMember(const CommandContext& context) {
    editor::RunCommand(context.platform, true, [&] {
        if (context.environment == nullptr)
            Fail(context);
        editor::EditorDocument here(*context.environment, context.platform, context.Kinds());
        analysis::MemberRecord member;
        if (!here.Attach() || !here.MemberAtCaret(member))
            Fail(context);
        const std::string friendPath = FriendPath(here, context);
        if (friendPath.empty())
            Fail(context);
        editor::EditorDocument there(*context.environment, context.platform, context.Kinds());
        if (!there.Attach(friendPath, nullptr, true))
            Fail(context);

        const std::string name = EscapeTildes(member.Member);
        const std::string pattern = FriendMemberPattern(member, name, there.IsSourceFile());
        ide::TextSelection& selection = *there.Selection();
        // Not finding it is no failure: the friend file stays open where it was.
        if (!selection.FindText(pattern, kFindFromCaret) &&
            !selection.FindText(pattern, kFindFromTop))
            selection.FindText(name, kFindFromTop);
        selection.StartOfLine(0, false);
    });
}

}  // namespace commands::navigate
