#include "lsp/document_command.h"

#include <ostream>

#include "host/command_table.h"
#include "lsp/text_edit.h"

namespace lsp {

CoreCommand NamedCommand(std::string_view name) {
    const host::CommandDef* row =
        host::FindNamedCommand(std::string(host::kCommandPrefix) + std::string(name));
    if (row == nullptr || row->run == nullptr)
        return [](const commands::CommandContext&) {};
    return row->run;
}

std::optional<Selection> SelectionIn(const Workspace& workspace, const std::string& path,
                                     Position anchor, Position caret) {
    std::optional<std::string> text = workspace.documents.Text(path);
    if (!text)
        return std::nullopt;
    const LineIndex lines(*text);
    return Selection{path, lines.Offset(anchor), lines.Offset(caret)};
}

CommandOutcome RunCommand(Workspace& workspace, const Selection& selection,
                          const CoreCommand& command, bool show) {
    CommandOutcome outcome = workspace.core.Run(selection, workspace.Texts(), command);
    if (show) {
        workspace.ShowMessages(outcome.messages);
    } else {
        for (const std::string& message : outcome.messages)
            workspace.log << "zentrel lsp: " << message << '\n';
    }
    return outcome;
}

std::optional<Selection> SelectionAtPosition(const Workspace& workspace, const Json& params) {
    const std::optional<std::string> path = DocumentPath(params);
    const Position position = PositionParam(Member(params, "position"));
    if (!path)
        return std::nullopt;
    return SelectionIn(workspace, *path, position, position);
}

Json LocationOf(const Workspace& workspace, const Selection& selection) {
    const std::optional<std::string> text = workspace.documents.Text(selection.path);
    const Position caret = LineIndex(text.value_or("")).At(selection.caret);
    return LocationJson(workspace.documents.Uri(selection.path), {caret, caret});
}

Json WorkspaceEditOf(const Workspace& workspace, const std::vector<ChangedText>& changed) {
    Json changes = Json::object();
    for (const ChangedText& document : changed) {
        // A command may mark a document changed and leave the text as it was.
        if (document.before == document.after)
            continue;
        const TextEdit edit = MinimalEdit(document.before, document.after);
        changes[workspace.documents.Uri(document.path)] =
            Json::array({{{"range", ToJson(edit.range)}, {"newText", edit.newText}}});
    }
    if (changes.empty())
        return nullptr;
    return {{"changes", std::move(changes)}};
}

}  // namespace lsp
