#include "lsp/switch_source_header.h"

#include "commands/navigate/friend_path.h"
#include "editor/extension_list.h"
#include "editor/split_path.h"

namespace lsp {

Json SwitchSourceHeader(Workspace& workspace, const Json& params) {
    // The request names the document as the parameters themselves (TextDocumentIdentifier).
    const std::optional<std::string> path = DocumentPath(Json{{"textDocument", params}});
    if (!path)
        return nullptr;
    const settings::Settings& settings = workspace.core.Settings();
    // Friend File takes only the files it attaches to.
    const std::string extension = editor::SplitPath(*path).extension;
    if (!editor::MatchesExtensionList(extension, settings.sourceExtensions) &&
        !editor::MatchesExtensionList(extension, settings.headerExtensions) &&
        !editor::MatchesExtensionList(extension, editor::IdlExtensions())) {
        return nullptr;
    }
    const std::string friendPath =
        commands::navigate::FindFriendFile(*path, settings, workspace.core.Platform());
    if (friendPath.empty())
        return nullptr;
    return workspace.documents.Uri(friendPath);
}

}  // namespace lsp
