// `zentrel run`: one run of the IDE with the add-in, driven by steps.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace app {

struct RunOptions {
    std::optional<std::string> profile;
    std::optional<std::string> templates;
    std::optional<std::string> solution;
    std::vector<std::string> answers;
    bool json = false;
    bool dryRun = false;
    std::vector<std::string> steps;
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;
// A document, the profile or the IDE's state could not be written: what it holds is older
// than the run.
inline constexpr int kExitWriteFailed = 1;

// Runs the steps; the exit status is one of the above, with the reason on `errors`.
int RunSteps(const RunOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace app
