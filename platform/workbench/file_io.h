// Whole files as raw bytes, and the one spelling of a path the workbench keys documents by.
#pragma once

#include <string>

namespace workbench {

// Absolute and lexically normal, without a trailing separator; symbolic links are not resolved.
// Empty for an empty path.
std::string NormalizePath(const std::string& path);

// On failure `reason` says why, in the system's words ("No such file or directory").
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason);
// Replaces the file as a whole where the host can (file_write_*.cpp, picked by the build).
bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string& reason);

}  // namespace workbench
