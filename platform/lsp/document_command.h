// Running a core command on the editor's documents, and its outcome in protocol terms.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/core_session.h"
#include "lsp/workspace.h"

namespace lsp {

using CoreCommand = std::function<void(const commands::CommandContext&)>;

// The command the add-in's command table names (without its prefix).
CoreCommand NamedCommand(std::string_view name);

// Anchor and caret as byte offsets of the document's text; nothing when the document can be
// read neither from the editor nor from disk. Positions clamp to the text.
std::optional<Selection> SelectionIn(const Workspace& workspace, const std::string& path,
                                     Position anchor, Position caret);

// What the command tells the user is shown to the editor's user with `show`, else only logged.
CommandOutcome RunCommand(Workspace& workspace, const Selection& selection,
                          const CoreCommand& command, bool show);

// textDocument and position of the parameters as a selection at that place; nothing for a
// document that names no readable file.
std::optional<Selection> SelectionAtPosition(const Workspace& workspace, const Json& params);

// The caret of a selection as a Location (an empty range at it).
Json LocationOf(const Workspace& workspace, const Selection& selection);
// One edit per changed document, or null when nothing changed.
Json WorkspaceEditOf(const Workspace& workspace, const std::vector<ChangedText>& changed);

}  // namespace lsp
