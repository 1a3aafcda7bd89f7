#include "friend_command.h"

#include <filesystem>
#include <iostream>

#include "commands/navigate/friend_path.h"
#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "profile_options.h"
#include "settings/registry.h"
#include "settings/settings_io.h"

namespace app {

int RunFriend(const std::string& file, const std::optional<std::string>& profilePath,
              std::ostream& out, std::ostream& errors) {
    std::unique_ptr<posix::FileProfileStore> profile = OpenProfile(profilePath, errors);
    if (!profile)
        return 2;
    settings::CRegistry registry(*profile);
    settings::Settings settings;
    settings::LoadSettings(registry, settings);

    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, std::cin, false);
    const std::string path = std::filesystem::absolute(file).lexically_normal().string();
    const std::string friendPath = commands::navigate::FindFriendFile(path, settings, platform);
    if (friendPath.empty())
        return 1;
    out << friendPath << '\n';
    return 0;
}

}  // namespace app
