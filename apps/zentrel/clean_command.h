// `zentrel clean DIR`: the clean-up of a build directory, with the confirmation list on
// standard output and a question before anything is deleted.
#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace app {

struct CleanOptions {
    std::string directory;
    std::string types;
    bool noRecursive = false;
    bool yes = false;
};

CLI::App* AddCleanCommand(CLI::App& zentrel, CleanOptions& options);

// 0 when the files were deleted or the deletion declined, 1 when some could not be deleted,
// 2 for a directory that is not one.
int RunClean(const CleanOptions& options, std::istream& input, std::ostream& out,
             std::ostream& errors);

}  // namespace app
