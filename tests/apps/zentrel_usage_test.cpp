// The program's commands as a user runs them from a shell: what each prints, what a mistyped
// command line gets, and where a run may write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "zentrel_process.h"

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// Every row's directory: files for each command, a profile with friend directories and a
// commentize style, and a link the clean-up must not follow.
void Lay(const testing_support::TempDir& dir) {
    for (const char* file : {"b/a.obj", "b/s/c.pdb", "b/keep.cpp", "out/o.obj"})
        dir.Write(file, "1234");
    fs::create_directory_symlink(dir.Path() / "out", dir.Path() / "b/link");
    dir.Write("f.cpp", "a\nb\nc\n");
    dir.Write("notes.txt", "n\n");
    dir.Write("a:b.cpp", "a\nb\n");
    const Strings lines = {"namespace N {", "void CFoo::Bar()", "{", "}", "}", "int g()", "{", "}"};
    for (const char* end : {"\r\n", "\r"}) {
        std::string text;
        for (const std::string& line : lines)
            text += line + end;
        dir.Write(end[1] ? "m.cpp" : "cr.cpp", text);
    }
    dir.Write("src/a.cpp", "int a;\n");
    dir.Write("include/a.hpp", "int a;\n");
    dir.Write("include/b.h", "int b;\n");
    dir.Write("p.reg",
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
              "\"Friend File Directories\"=\"../include/\\x01\"\n"
              "\"Commentize Style\"=dword:00000001\n");
    ASSERT_EQ(mkfifo((dir.Path() / "fifo").c_str(), 0600), 0);
    dir.Write("t.txt", "##+\n##+ Loops\n##+ For\\tCtrl+Shift+F\nfor\n##-\n##-\n##+\n##-\n");
}

// The mistakes in the steps of a run are golden cases (usage-error-*); these are the other
// commands', and what a step file cannot hold (an empty argument).
TEST(ZentrelUsage, EachCommandAnswersAndMistakesLeaveEverythingAsItWas) {
    const std::string list =
        "Files that will be DELETED:\n\nb/a.obj\nb/s/c.pdb\n\nTotal: 2 files, 8B\n";
    const struct {
        Strings args;
        int status;
        std::optional<std::string> out;  // "*": any text but none; absent: not compared
        std::string err = "";            // a fragment of standard error; "": none at all
        std::string input = "";          // standard input; "full": output to a full device
        Strings gone = {};               // the paths it removes; every other one stays
    } cases[] = {
        {{"run", "--profile", "", "Menu"}, 2, "", "--profile"},
        {{"friend", "--profile", "", "f.cpp"}, 2, "", "--profile"},
        {{"register", "--profile", ""}, 2, "", "--profile"},
        {{"options", "--profile", ""}, 2, "", "--profile"},
        {{"options", "--profile", "p.reg", "--set", "Nope=1"}, 2, "", "no option is named Nope"},
        {{"options", "--profile", "p.reg", "--set", "Commentize uses=9"}, 2, "", "does not fit"},
        {{"options", "--profile", "p.reg", "--set", "Author"}, 2, "", "expected NAME=VALUE"},
        {{"register", "--profile", "p.reg", "--script", "b"},
         2,
         "",
         "cannot read the registration"},
        {{"register", "--profile", "p.reg", "--script", "fifo"}, 2, "", "cannot read the registr"},
        {{"friend", "notes.txt"}, 1, "", "notes.txt is neither a source"},
        {{"friend", "none.cpp"}, 2, "", "not a readable file: none.cpp"},
        {{"friend", "--profile", "p.reg", "src/a.cpp"}, 0, "$DIR/include/a.hpp\n"},
        {{"friend", "--profile", "p.reg", "include/b.h"}, 1, ""},
        {{"run", "--profile", "p.reg", "@a:b.cpp:2", "friendfile", "CodeTempl_Class"},
         0,
         std::nullopt},
        {{"templates", "--templates", "t.txt"},
         0,
         "t.txt\n2 Loops >  CodeTempl_Loops\n  1 For  [ctrl+shift+f]  CodeTempl_For\n3 --------\n"},
        {{"--version"}, 0, "*"},
        {{"run", "--help"}, 0, "*"},
        // Members in file order, whatever the line ends.
        {{"members", "m.cpp"}, 0, "N\t1\nBar\t2\ng\t6\n"},
        {{"members", "--classes", "m.cpp"}, 0, "N\t1\nCFoo::Bar\t2\ng\t6\n"},
        {{"members", "cr.cpp"}, 0, "N\t1\nBar\t2\ng\t6\n"},
        {{"members", "missing.cpp"}, 2, "", "not a readable file: missing.cpp"},
        {{"members", "."}, 2, "", "not a readable file: ."},
        {{"clean", "b"}, 0, list, "Delete these 2 files?"},
        {{"clean", "b", "--no-recursive", "--types", "*.cpp;*.obj"},
         0,
         "Files that will be DELETED:\n\nb/keep.cpp\nb/a.obj\n\nTotal: 2 files, 8B\n",
         "Delete these 2 files?"},
        {{"clean", "missing", "--yes"}, 2, "", "not a directory: missing"},
        {{"clean", "b", "--yes"}, 0, list, "", "", {"b/a.obj", "b/s/c.pdb"}},
        // The filters over standard input and output (the texts' rules are the units'); a text
        // without a line end gets this system's; the style from the option or the profile.
        {{"reverse"}, 0, "b = a;\r\nar >> x;\r\n", "", "a = b;\r\nar << x;\r\n"},
        {{"commentize"}, 0, "//a\n//b\n", "", "a\nb\n"},
        {{"commentize", "--style", "2"}, 0, "#if 0\na\n#endif", "", "a"},
        {{"commentize", "--profile", "p.reg"}, 0, "/*a*/\n", "", "a\n"},
        {{"reverse"}, 1, "", "cannot write standard output", "full"},
        {{"commentize", "--style", "0"}, 1, "", "cannot write standard output", "full"},
    };
    for (const auto& c : cases) {
        testing_support::TempDir dir;
        Lay(dir);
        const std::set<std::string> before = testing_support::Entries(dir.Path(), true);
        std::string redirect = "</dev/null";
        if (!c.input.empty())
            redirect = c.input == "full" ? "<f.cpp >/dev/full" : "<in.txt";
        if (!c.input.empty() && c.input != "full")
            dir.Write("in.txt", c.input);
        const apps_testing::Result result =
            apps_testing::RunZentrel(dir.Path(), dir.Path(), c.args, redirect);

        std::string line = "zentrel";
        for (const std::string& arg : c.args)
            line += " '" + arg + "'";
        SCOPED_TRACE(line + " <<< \"" + c.input + "\"\n" + result.err);
        EXPECT_EQ(result.status, c.status);
        if (c.out == "*") {
            EXPECT_NE(result.out, "");
        } else if (c.out) {
            EXPECT_EQ(result.out,
                      std::regex_replace(*c.out, std::regex("\\$DIR"), dir.Path().string()));
        }
        EXPECT_NE(result.err.find(c.err), std::string::npos);
        EXPECT_EQ(result.err.empty(), c.err.empty());
        std::set<std::string> after = testing_support::Entries(dir.Path(), true);
        after.erase("stderr.txt");
        // A mistake writes nothing at all; the clean-up deletes only when confirmed, and nothing
        // through the link.
        if (c.status == 2) {
            EXPECT_EQ(after, before);
        }
        for (const std::string& path : before)
            EXPECT_NE(after.contains(path), std::ranges::count(c.gone, path) != 0) << path;
        // The IDE keeps its data beside the profile, never in the user's data folder.
        EXPECT_FALSE(fs::exists(dir.Path() / "data"));
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
