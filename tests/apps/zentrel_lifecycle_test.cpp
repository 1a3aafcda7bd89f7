// The add-in's life in the built-in IDE across runs of the program: set up once, keys that
// run its commands, registration and removal.
#include <gtest/gtest.h>

#include <string>

#include "zentrel_process.h"

namespace {

class Lifecycle : public apps_testing::ZentrelTest {
  protected:
    nlohmann::json IdeState() { return nlohmann::json::parse(dir.Read("p.ide.json")); }

    std::vector<std::string> Named(const char* list) {
        std::vector<std::string> names;
        const nlohmann::json state = IdeState();
        for (const auto& entry : state[list]) {
            const std::string name = entry["name"];
            if (name.find("Zentrel") != std::string::npos)
                names.push_back(name);
        }
        return names;
    }
    std::vector<std::string> AddInCommands() { return Named("commands"); }
    bool HasToolbar() { return !Named("commandBars").empty(); }
    void Start() { ASSERT_EQ(RunSteps({"@a.txt"}).status, 0); }
};

TEST_F(Lifecycle, TheFirstRunSetsUpAndLaterRunsDoNot) {
    dir.Write("a.txt", "x\n");
    Start();
    const auto commands = AddInCommands();
    ASSERT_GE(commands.size(), 13u);
    EXPECT_EQ(commands[0], "Zentrel2.Menu");
    EXPECT_EQ(commands[12], "Zentrel2.StepDownSelect");
    EXPECT_TRUE(HasToolbar());
    EXPECT_NE(dir.Read("p.reg").find("\"8.0\"=dword:00000001"), std::string::npos);

    const std::string before = dir.Read("p.ide.json");
    Start();
    EXPECT_EQ(dir.Read("p.ide.json"), before);
}

TEST_F(Lifecycle, KeysRunTheBoundCommandsInTheirScope) {
    dir.Write("src/a.cpp", "int a;\n");
    dir.Write("src/a.h", "extern int a;\n");
    EXPECT_EQ(Report({"@src/a.cpp", "^ctrl+1"})["active"]["path"],
              (dir.Path() / "src/a.h").string());
    // ctrl+q is bound globally too, so it works without a document.
    EXPECT_EQ(Report({"^Ctrl+Q"})["menus"].size(), 1u);
}

TEST_F(Lifecycle, StepsLandTheSameInLfAndCrLfFiles) {
    const std::string lines[] = {"void f()", "{", "    int x;", "}", "",
                                 "void g()", "{", "    int y;", "}"};
    for (const std::string eol : {"\n", "\r\n"}) {
        std::string text;
        for (const auto& line : lines)
            text += line + eol;
        dir.Write("s.cpp", text);
        EXPECT_EQ(Report({"@s.cpp:8:3", "StepUp"})["active"]["caret"], nlohmann::json({6, 1}));
        const auto active = Report({"@s.cpp:1:5", "StepDownSelect"})["active"];
        EXPECT_EQ(active["anchor"], nlohmann::json({1, 5}));
        EXPECT_EQ(active["caret"], nlohmann::json({6, 1}));
        EXPECT_EQ(dir.Read("s.cpp"), text);
    }
}

TEST_F(Lifecycle, UnregisterTakesEveryCommandOutAndClearsTheSetup) {
    dir.Write("a.txt", "x\n");
    ASSERT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
    ASSERT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
    const std::string registry = dir.Read("p.registry");
    EXPECT_NE(registry.find("[HKEY_CLASSES_ROOT\\Zentrel2.1]"), std::string::npos);
    EXPECT_NE(registry.find("[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Setup]"),
              std::string::npos);
    Start();
    ASSERT_FALSE(AddInCommands().empty());

    ASSERT_EQ(Run({"unregister", "--profile", "p.reg"}).status, 0);
    EXPECT_TRUE(AddInCommands().empty());
    EXPECT_FALSE(HasToolbar());
    EXPECT_EQ(dir.Read("p.reg").find("Setup"), std::string::npos);
    EXPECT_EQ(dir.Read("p.registry").find("Zentrel2.1"), std::string::npos);
    // The IDE's own commands stay, and the next start sets the add-in up again.
    EXPECT_FALSE(IdeState()["commands"].empty());
    Start();
    EXPECT_FALSE(AddInCommands().empty());
}

TEST_F(Lifecycle, FriendAndTemplatesOnTheirOwn) {
    dir.Write("src/a.cpp", "int a;\n");
    dir.Write("include/a.hpp", "int a;\n");
    dir.Write("p.reg",
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
              "\"Friend File Directories\"=\"../include/\\x01\"\n");
    const apps_testing::Result found = Run({"friend", "--profile", "p.reg", "src/a.cpp"});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, (dir.Path() / "include/a.hpp").string() + "\n");
    const apps_testing::Result none = Run({"friend", "--profile", "p.reg", "include/none.h"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");

    dir.Write("t.txt", "##+\n##+ Loops\n##+ For\\tCtrl+Shift+F\nfor\n##-\n##-\n##+\n##-\n");
    const apps_testing::Result listed = Run({"templates", "--templates", "t.txt"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out,
              "t.txt\n2 Loops >  CodeTempl_Loops\n  1 For  [ctrl+shift+f]  "
              "CodeTempl_For\n3 --------\n");
}

}  // namespace
