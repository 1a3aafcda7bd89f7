#include "lsp/step_commands.h"

#include "lsp/document_command.h"

namespace lsp {

Json ExecuteCommand(Workspace& workspace, const Json& params) {
    const std::string command = StringParam(params, "command");
    if (command != kStepUp && command != kStepDown)
        throw RpcError{error_code::kInvalidParams, "no command " + command};
    const Json& arguments = Member(params, "arguments");
    if (!arguments.is_array() || arguments.size() != 1)
        throw RpcError{error_code::kInvalidParams, "one argument {textDocument, position}"};
    const std::optional<Selection> start = SelectionAtPosition(workspace, arguments[0]);
    if (!start)
        return nullptr;
    const CommandOutcome outcome = RunCommand(
        workspace, *start, NamedCommand(command == kStepUp ? "StepUp" : "StepDown"), true);
    return outcome.active ? LocationOf(workspace, *outcome.active) : Json();
}

}  // namespace lsp
