// The settings profile every zentrel command reads, from --profile or its default place.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "posix/file_profile_store.h"

namespace app {

// Opens the profile; nothing (with the reason on `errors`) when no place for it is known.
std::unique_ptr<posix::FileProfileStore> OpenProfile(const std::optional<std::string>& path,
                                                     std::ostream& errors);

}  // namespace app
