// The clean-up's search and deletion. The search reads each directory once, lists its own
// matches (field by field, in listing order) before those of its subdirectories, and never
// enters a link of any kind; the deletion removes only what is still a regular file in the
// same directories the search went through.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "commands/files/progress_dialog.h"
#include "editor/path_style.h"
#include "sys/platform.h"

namespace commands::files {

// Deeper directories are not entered (a path that deep is beyond any file system's limit).
inline constexpr std::size_t kMaxCleanDepth = 512;

struct CleanList {
    struct Directory {
        std::size_t parent;  // index of the parent; the root is its own parent
        sys::PathStep step;
    };
    struct File {
        std::string path;
        std::string name;
        std::size_t directory;
        std::uint64_t size;
    };
    std::vector<Directory> directories;
    std::vector<File> files;
    std::uint64_t total = 0;

    // The steps from the root down to the directory.
    std::vector<sys::PathStep> StepsTo(std::size_t directory) const;
};

// Searches `directory` (its subdirectories too when recursive) for the file types, telling
// the progress dialog of each directory. A directory that cannot be listed gives no files.
CleanList SearchForFiles(sys::Platform& platform, ProgressDlg& progress,
                         const std::string& directory, bool recursive, const std::string& fileTypes,
                         editor::PathStyle style = editor::NativePathStyle());

// "Files that will be DELETED:", the paths and the count with the total size.
std::string ConfirmationText(const CleanList& list);

struct DeleteSummary {
    std::size_t deleted = 0;
    std::size_t gone = 0;     // already not there: skipped quietly
    std::size_t changed = 0;  // no longer a regular file in the listed place: left alone
    std::size_t failed = 0;   // refused by the system
};

// Deletes the listed files in order, one progress step each.
DeleteSummary DeleteFiles(sys::Platform& platform, ProgressDlg& progress, const CleanList& list);

}  // namespace commands::files
