// Everything a directory tree holds, entry by entry, without following links: two snapshots
// are equal only when no entry was added, removed, replaced, changed in mode or in a byte.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/temp_dir.h"

namespace testing_support {

using TreeSnapshot = std::map<std::string, std::string>;

inline TreeSnapshot Snapshot(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    TreeSnapshot entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        struct stat status {};
        ::lstat(entry.path().c_str(), &status);
        std::string& shown = entries[entry.path().lexically_relative(root).string()];
        shown = std::to_string(status.st_ino) + " " + std::to_string(status.st_mode) + " ";
        if (entry.is_symlink())
            shown += "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            shown += ReadBytes(entry.path());
    }
    return entries;
}

}  // namespace testing_support
