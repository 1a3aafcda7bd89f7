// The program as a new user meets it: what a mistyped command line gets, and where a run may
// write.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "zentrel_process.h"

namespace {

using Strings = std::vector<std::string>;

std::set<std::string> Listing(const std::filesystem::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    names.erase("stderr.txt");
    return names;
}

// The mistakes in the steps of a run are golden cases (usage-error-*); these are the other
// commands', what a step file cannot hold (an empty argument), and where a run may write.
TEST(ZentrelUsage, MistakesAreReportedAndLeaveEverythingAsItWas) {
    const std::string scheme = "p.ide/Microsoft/VisualStudio/8.0/Default Settings Zentrel.vsk";
    const struct {
        Strings args;
        int status;
        std::string message;      // a fragment of standard error
        std::string made = "";    // a path the run creates
        std::string absent = "";  // a path it must not
    } cases[] = {
        {{"run", "--profile", "", "Menu"}, 2, "--profile"},
        {{"friend", "--profile", "", "f.cpp"}, 2, "--profile"},
        {{"register", "--profile", ""}, 2, "--profile"},
        {{"options", "--profile", ""}, 2, "--profile"},
        {{"options", "--profile", "p.reg", "--set", "Nope=1"}, 2, "no option is named Nope"},
        {{"options", "--profile", "p.reg", "--set", "Commentize uses=9"}, 2, "does not fit"},
        {{"options", "--profile", "p.reg", "--set", "Author"}, 2, "expected NAME=VALUE"},
        {{"friend", "notes.txt"}, 1, "notes.txt is neither a source"},
        {{"friend", "none.cpp"}, 2, "not a readable file: none.cpp"},
        {{"run", "@a:b.cpp:2", "friendfile", "CodeTempl_Class"}, 0, "", scheme},
        {{"run", "--dry-run", "@f.cpp", "^ctrl+1"}, 0, "", "", "p.ide"},
    };
    for (const auto& c : cases) {
        testing_support::TempDir dir;
        dir.Write("f.cpp", "a\nb\nc\n");
        dir.Write("notes.txt", "n\n");
        dir.Write("a:b.cpp", "a\nb\n");
        const std::set<std::string> before = Listing(dir.Path());
        Strings args = c.args;
        if (args[0] == "run" && args[1] != "--profile")
            args.insert(args.begin() + 1, {"--profile", "p.reg"});
        const apps_testing::Result result = apps_testing::RunZentrel(dir, args);

        std::string line = "zentrel";
        for (const std::string& arg : c.args)
            line += " '" + arg + "'";
        EXPECT_EQ(result.status, c.status) << line << '\n' << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << line << '\n' << result.err;
        if (c.status == 2) {
            EXPECT_EQ(Listing(dir.Path()), before) << line;
        }
        if (!c.made.empty()) {
            EXPECT_TRUE(std::filesystem::exists(dir.Path() / c.made)) << line;
        }
        // The IDE keeps its data beside the profile, never in the user's data folder.
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / "data")) << line;
        if (!c.absent.empty()) {
            EXPECT_FALSE(std::filesystem::exists(dir.Path() / c.absent)) << line;
        }
    }
}

TEST(ZentrelUsage, TheReadmeMentionsEveryOptionOfEveryCommand) {
    const std::string readme = testing_support::ReadBytes(ZENTREL_SOURCE_DIR "/README.md");
    testing_support::TempDir dir;
    for (const char* command :
         {"run", "friend", "templates", "register", "unregister", "options"}) {
        const std::string help = apps_testing::RunZentrel(dir, {command, "--help"}).out;
        const std::regex option(R"(--[a-z][a-z-]*)");
        for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it) {
            const std::string name = it->str();
            // A command's options are listed in its row of the table, or below it for `run`.
            const std::regex mention("\\| `zentrel " + std::string(command) + " [^|\\n]*" + name +
                                     "|\\n- `" + name);
            if (name != "--help" && name != "--version") {
                EXPECT_TRUE(std::regex_search(readme, mention)) << command << ' ' << name;
            }
        }
    }
}

}  // namespace
