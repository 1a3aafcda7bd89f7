// The one way the program writes a file it owns: a whole new file beside the old one, renamed
// over it, so a reader or a crash never meets half a file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace posix {

enum class Parents { kMustExist, kCreate };

// Where a write to `path` lands: symbolic links are followed to the end of the chain, and a
// dangling one gives the path it names. Nothing, with the reason, for a loop.
std::optional<std::filesystem::path> WriteTarget(const std::filesystem::path& path,
                                                 std::string& reason);

// Creates the missing directories above `path`.
bool MakeParents(const std::filesystem::path& path, std::string& reason);

// Writes `bytes` to a fresh temporary beside the target, syncs it and renames it over the
// target, keeping the target's mode (and owner, where allowed). A target without any write
// bit is protected, even from root. On failure: false with the reason in the system's words,
// the target as it was and no temporary left behind.
bool ReplaceFile(const std::filesystem::path& path, std::string_view bytes, std::string& reason,
                 Parents parents = Parents::kMustExist);

// Removes the temporaries a killed writer left beside the target of `path`. Call it holding
// the target's FileLock.
void RemoveStaleTemporaries(const std::filesystem::path& path);

}  // namespace posix
