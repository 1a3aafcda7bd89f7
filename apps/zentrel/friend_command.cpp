#include "friend_command.h"

#include <filesystem>
#include <iostream>

#include "commands/navigate/friend_path.h"
#include "editor/extension_list.h"
#include "editor/split_path.h"
#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "profile_options.h"
#include "settings/registry.h"
#include "settings/settings_io.h"

namespace app {

namespace {

std::string Joined(const std::vector<std::string>& extensions) {
    std::string text;
    for (const std::string& extension : extensions)
        text += (text.empty() ? "" : " ") + extension;
    return text;
}

}  // namespace

int RunFriend(const std::string& file, const std::optional<std::string>& profilePath,
              std::ostream& out, std::ostream& errors) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        errors << "zentrel friend: not a readable file: " << file << '\n';
        return 2;
    }
    std::unique_ptr<posix::FileProfileStore> profile = OpenProfile(profilePath, errors);
    if (!profile)
        return 2;
    settings::CRegistry registry(*profile);
    settings::Settings settings;
    settings::LoadSettings(registry, settings);

    const std::string path = std::filesystem::absolute(file).lexically_normal().string();
    // Friend File takes only the files it attaches to in the IDE.
    const std::string extension = editor::SplitPath(path).extension;
    if (!editor::MatchesExtensionList(extension, settings.sourceExtensions) &&
        !editor::MatchesExtensionList(extension, settings.headerExtensions) &&
        !editor::MatchesExtensionList(extension, editor::IdlExtensions())) {
        errors << "zentrel friend: " << file << " is neither a source ("
               << Joined(settings.sourceExtensions) << "), a header ("
               << Joined(settings.headerExtensions) << ") nor an IDL file\n";
        return 1;
    }
    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, std::cin, false);
    const std::string friendPath = commands::navigate::FindFriendFile(path, settings, platform);
    if (friendPath.empty())
        return 1;
    out << friendPath << '\n';
    return 0;
}

}  // namespace app
