#include "profile_options.h"

#include <ostream>

namespace app {

std::unique_ptr<posix::FileProfileStore> OpenProfile(const std::optional<std::string>& path,
                                                     std::ostream& errors) {
    const std::optional<std::filesystem::path> where =
        path ? std::optional<std::filesystem::path>(*path) : posix::DefaultProfilePath();
    if (!where) {
        errors << "zentrel: no settings profile: give --profile or set ZENTREL_PROFILE or HOME\n";
        return nullptr;
    }
    return std::make_unique<posix::FileProfileStore>(*where, errors);
}

}  // namespace app
