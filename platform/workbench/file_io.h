// Whole files as raw bytes, and the one spelling of a path the workbench keys documents by.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace workbench {

// Absolute and lexically normal, without a trailing separator; symbolic links are not resolved.
// Empty for an empty path.
std::string NormalizePath(const std::string& path);

// What shows a file changed since it was read: its size and its modification time.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time;
    bool operator==(const FileStamp&) const = default;
};
// Nothing when the file cannot be asked.
std::optional<FileStamp> StampOf(const std::string& path);

// On failure `reason` says why, in the system's words ("No such file or directory"). The stamp,
// when asked for, is taken before the bytes are read, so a change while reading shows in it.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason,
                   std::optional<FileStamp>* stamp = nullptr);
// Replaces the file as a whole where the host can (file_write_*.cpp, picked by the build).
bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string& reason);

}  // namespace workbench
