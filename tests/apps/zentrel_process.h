// Runs the zentrel program in a test's own directory, as a user would from a shell.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace apps_testing {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline int ExitStatus(int raw) {
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Runs in `work`; standard error, the user's data and configuration folders go to `scratch`, so a
// run touches nothing of the user's. `redirect` gives standard input (and may send standard output
// elsewhere).
inline Result RunZentrel(const std::filesystem::path& work, const std::filesystem::path& scratch,
                         const std::vector<std::string>& args,
                         const std::string& redirect = "</dev/null") {
    std::string command =
        "cd " + Quote(work.string()) + " && env -u ZENTREL_PROFILE -u DISPLAY -u WAYLAND_DISPLAY" +
        " XDG_DATA_HOME=" + Quote((scratch / "data").string()) +
        " XDG_CONFIG_HOME=" + Quote((scratch / "config").string()) + " " + Quote(ZENTREL_EXE);
    for (const std::string& arg : args)
        command += " " + Quote(arg);
    command += " 2>" + Quote((scratch / "stderr.txt").string()) + " " + redirect;
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    result.status = ExitStatus(pclose(pipe));
    result.err = testing_support::ReadBytes(scratch / "stderr.txt");
    return result;
}

inline Result RunZentrel(const testing_support::TempDir& dir,
                         const std::vector<std::string>& args) {
    return RunZentrel(dir.Path(), dir.Path(), args);
}

// A bash script run in `dir`, the program as "$Z"; standard error is kept, standard output not.
inline Result Shell(const std::filesystem::path& dir, const std::string& script) {
    const std::string command = "cd " + Quote(dir.string()) + " && Z=" + Quote(ZENTREL_EXE) +
                                " bash -c " + Quote(script) + " >/dev/null 2>stderr.txt </dev/null";
    Result result;
    result.status = ExitStatus(std::system(command.c_str()));
    result.err = testing_support::ReadBytes(dir / "stderr.txt");
    return result;
}

// A test with its own directory, running the program there with the profile p.reg.
class ZentrelTest : public testing::Test {
  protected:
    Result Run(const std::vector<std::string>& args) { return RunZentrel(dir, args); }
    Result Shell(const std::string& script) { return apps_testing::Shell(dir.Path(), script); }

    testing_support::TempDir dir;
};

}  // namespace apps_testing
