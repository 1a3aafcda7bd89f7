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

// An entry written without its trailing separator ("../include") that names a directory is
// that directory; anything else keeps the literal rule.
std::string AsDirectory(std::string place, sys::Platform& platform, editor::PathStyle style) {
    if (place.empty() || editor::IsDirectoryEnd(place.back(), style))
        return place;
    const std::optional<sys::FileInfo> info = platform.FindFirstFile(place);
    if (info && info->directory)
        place += editor::Separator(style);
    return place;
}

// The candidate as named, else, where the file system tells case apart, one whose extension
// differs only in case, as a file system that ignores case would find it.
std::optional<std::string> Try(const std::string& candidate, sys::Platform& platform,
                               editor::PathStyle style) {
    if (IsFile(candidate, platform))
        return candidate;
    const editor::PathParts parts = editor::SplitPath(candidate, style);
    const std::string stem = parts.baseName + ".";
    const std::string name = stem + parts.extension;
    for (const std::string& found : platform.NamesIgnoringCase(parts.directory, name)) {
        if (found != name && found.starts_with(stem) && IsFile(parts.directory + found, platform))
            return parts.directory + found;
    }
    return std::nullopt;
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
    for (const std::string& entry : settings.friendFileDirectories) {
        places.push_back(AsDirectory(
            CombineDirectory(parts.directory, ExpandEnvironmentReference(entry, platform), style),
            platform, style));
    }

    for (const std::string& extension : candidates) {
        for (const std::string& place : places) {
            if (std::optional<std::string> found =
                    Try(place + parts.baseName + "." + extension, platform, style))
                return *found;
        }
    }
    return {};
}

std::string FriendPath(const editor::EditorDocument& document, const CommandContext& context) {
    return FindFriendFile(document.FullPath(), context.settings, context.platform);
}

}  // namespace commands::navigate
