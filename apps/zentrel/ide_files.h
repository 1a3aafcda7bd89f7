// Files the built-in IDE keeps beside the settings profile: its own state (commands, bindings,
// command bars, keyboard scheme) and the registry that registration writes to.
#pragma once

#include <filesystem>

namespace app {

inline std::filesystem::path IdeStatePath(const std::filesystem::path& profile) {
    return std::filesystem::path(profile).replace_extension(".ide.json");
}

// The IDE's own user data folder, where it keeps copies of keyboard schemes.
inline std::filesystem::path IdeDataFolder(const std::filesystem::path& profile) {
    return std::filesystem::path(profile).replace_extension(".ide");
}

inline std::filesystem::path RegistryPath(const std::filesystem::path& profile) {
    return std::filesystem::path(profile).replace_extension(".registry");
}

}  // namespace app
