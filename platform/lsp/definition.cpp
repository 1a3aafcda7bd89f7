#include "lsp/definition.h"

#include "lsp/document_command.h"

namespace lsp {

Json Definition(Workspace& workspace, const Json& params) {
    const std::optional<Selection> start = SelectionAtPosition(workspace, params);
    if (!start)
        return nullptr;
    const CommandOutcome outcome =
        RunCommand(workspace, *start, NamedCommand("FriendMember"), false);
    // The command stays where it was when it finds no friend member.
    if (!outcome.active ||
        (outcome.active->path == start->path && outcome.active->caret == start->caret))
        return nullptr;
    return LocationOf(workspace, *outcome.active);
}

}  // namespace lsp
