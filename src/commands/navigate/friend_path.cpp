#include "commands/navigate/friend_path.h"

#include <vector>

#include "commands/navigate/environment_reference.h"
#include "commands/navigate/friend_directory.h"
#include "editor/extension_list.h"
#include "editor/split_path.h"

namespace commands::navigate {

namespace {

bool IsFile(const std::string& path, sys::Platform& platform) {
    const std::optional<sys::FileInfo> info = platform.FindFirstFile(path);
    return info && !info->directory;
}

}  // namespace

std::string FindFriendFile(const std::string& path, const settings::Settings& settings,
                           sys::Platform& platform, editor::PathStyle style) {
    const editor::PathParts parts = editor::SplitPath(path, style);
    const std::vector<std::string>& candidates =
        editor::MatchesExtensionList(parts.extension, settings.sourceExtensions)
            ? settings.headerExtensions
            : settings.sourceExtensions;
    if (candidates.empty())
        return {};

    // The places do not depend on the extension, so they are worked out once.
    std::vector<std::string> places{parts.directory};
    for (const std::string& entry : settings.friendFileDirectories)
        places.push_back(
            CombineDirectory(parts.directory, ExpandEnvironmentReference(entry, platform), style));

    for (const std::string& extension : candidates) {
        for (const std::string& place : places) {
            std::string candidate = place + parts.baseName + "." + extension;
            if (IsFile(candidate, platform))
                return candidate;
        }
    }
    return {};
}

std::string FriendPath(const editor::EditorDocument& document, const CommandContext& context) {
    return FindFriendFile(document.FullPath(), context.settings, context.platform);
}

}  // namespace commands::navigate
