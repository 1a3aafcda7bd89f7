// `zentrel friend FILE`: the path of FILE's friend file, as Friend File would open it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace app {

// 0 with the path printed, 1 when there is no friend file, 2 for a usage error.
int RunFriend(const std::string& file, const std::optional<std::string>& profile, std::ostream& out,
              std::ostream& errors);

}  // namespace app
