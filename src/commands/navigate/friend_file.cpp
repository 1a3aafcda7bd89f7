#include "commands/navigate/friend_file.h"

namespace commands::navigate {

void FriendFile(const CommandContext&) {}

}  // namespace commands::navigate
