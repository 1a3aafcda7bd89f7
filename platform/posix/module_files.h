// Where the program's own files (code templates, key scheme, read-me, registration script)
// are: beside the program in a build tree, in the data directory once installed.
#pragma once

#include <filesystem>
#include <optional>

namespace posix {

// `installed` is the data directory relative to the program's own, as the install puts it
// ("../share/zentrel2"). It is taken when it exists and the program's own directory holds no
// template file; otherwise the program's directory, so a missing file is reported there.
std::filesystem::path ModuleFilesDirectory(const std::filesystem::path& program,
                                           const std::filesystem::path& installed);

// The running program itself, links resolved.
std::optional<std::filesystem::path> ProgramPath();

// The running program's files, by the layout this build installs; empty when the program
// cannot tell where it is.
std::filesystem::path ProgramFilesDirectory();

}  // namespace posix
