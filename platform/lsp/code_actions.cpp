#include "lsp/code_actions.h"

#include <utility>

#include "editor/editor_document.h"
#include "editor/extension_list.h"
#include "editor/split_path.h"
#include "lsp/document_command.h"

namespace lsp {

namespace {

// Copy Members on the selection, then Paste Members at the end of the friend source file,
// where new definitions go.
void PasteAsDefinitions(const commands::CommandContext& context) {
    const ide::Ref<ide::Document> header = context.environment->ActiveDocument();
    NamedCommand("CopyMembers")(context);
    NamedCommand("FriendFile")(context);
    if (!context.members || !*context.members || context.environment->ActiveDocument() == header)
        return;
    editor::EditorDocument source(*context.environment, context.platform, context.Kinds());
    if (!source.Attach() || !source.Selection())
        return;
    source.Selection()->EndOfDocument(false);
    NamedCommand("PasteMembers")(context);
}

struct Action {
    const char* title;
    const char* kind;
    CoreCommand command;
    bool headerOnly;
    // Statements are whole lines: part of a line selected stands for all of it.
    bool wholeLines;
};

Range WholeLines(Range range) {
    if (range.end.line < range.start.line ||
        (range.end.line == range.start.line && range.end.character < range.start.character))
        std::swap(range.start, range.end);
    range.start.character = 0;
    if (range.end.character > 0 || range.end.line == range.start.line) {
        ++range.end.line;
        range.end.character = 0;
    }
    return range;
}

}  // namespace

Json CodeActions(Workspace& workspace, const Json& params) {
    const std::optional<std::string> path = DocumentPath(params);
    const Range range = RangeParam(Member(params, "range"));
    if (!path)
        return Json::array();
    const bool header = editor::MatchesExtensionList(editor::SplitPath(*path).extension,
                                                     workspace.core.Settings().headerExtensions);
    const Action actions[] = {
        {"Toggle comment", "refactor.rewrite", NamedCommand("Commentize"), false, false},
        {"Reverse statements", "refactor.rewrite", NamedCommand("Reverse"), false, true},
        {"Paste copied members as definitions", "refactor", PasteAsDefinitions, true, true},
    };
    Json result = Json::array();
    for (const Action& action : actions) {
        if (action.headerOnly && !header)
            continue;
        const Range lines = action.wholeLines ? WholeLines(range) : range;
        const std::optional<Selection> selection =
            SelectionIn(workspace, *path, lines.start, lines.end);
        if (!selection)
            return Json::array();
        const CommandOutcome outcome = RunCommand(workspace, *selection, action.command, false);
        Json edit = WorkspaceEditOf(workspace, outcome.changed);
        if (!edit.is_null()) {
            result.push_back(
                {{"title", action.title}, {"kind", action.kind}, {"edit", std::move(edit)}});
        }
    }
    return result;
}

}  // namespace lsp
