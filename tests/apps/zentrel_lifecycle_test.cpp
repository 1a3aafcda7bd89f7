// The add-in's life in the built-in IDE across runs of the program: set up once, keys that
// run its commands, registration and removal.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"
#include "zentrel_process.h"

namespace {

class Lifecycle : public testing::Test {
  protected:
    apps_testing::Result Zentrel(const std::vector<std::string>& args) {
        return apps_testing::RunZentrel(dir, args);
    }

    nlohmann::json IdeState() { return nlohmann::json::parse(dir.Read("p.ide.json")); }

    std::vector<std::string> AddInCommands() {
        std::vector<std::string> names;
        const nlohmann::json state = IdeState();
        for (const auto& command : state["commands"]) {
            const std::string name = command["name"];
            if (name.find("Zentrel") != std::string::npos)
                names.push_back(name);
        }
        return names;
    }

    bool HasToolbar() {
        const nlohmann::json state = IdeState();
        for (const auto& bar : state["commandBars"]) {
            if (bar["name"] == "Zentrel2")
                return true;
        }
        return false;
    }

    testing_support::TempDir dir;
};

TEST_F(Lifecycle, TheFirstRunSetsUpAndLaterRunsDoNot) {
    dir.Write("a.txt", "x\n");
    ASSERT_EQ(Zentrel({"run", "--profile", "p.reg", "@a.txt"}).status, 0);
    const auto commands = AddInCommands();
    ASSERT_GE(commands.size(), 13u);
    EXPECT_EQ(commands[0], "Zentrel2.Menu");
    EXPECT_EQ(commands[12], "Zentrel2.StepDownSelect");
    EXPECT_TRUE(HasToolbar());
    EXPECT_NE(dir.Read("p.reg").find("\"8.0\"=dword:00000001"), std::string::npos);

    const std::string before = dir.Read("p.ide.json");
    ASSERT_EQ(Zentrel({"run", "--profile", "p.reg", "@a.txt"}).status, 0);
    EXPECT_EQ(dir.Read("p.ide.json"), before);
}

TEST_F(Lifecycle, KeysRunTheBoundCommandsInTheirScope) {
    dir.Write("src/a.cpp", "int a;\n");
    dir.Write("src/a.h", "extern int a;\n");
    const apps_testing::Result friendFile =
        Zentrel({"run", "--json", "--profile", "p.reg", "@src/a.cpp", "^ctrl+1"});
    ASSERT_EQ(friendFile.status, 0) << friendFile.err;
    EXPECT_EQ(nlohmann::json::parse(friendFile.out)["active"]["path"],
              (dir.Path() / "src/a.h").string());

    // ctrl+q is bound globally too, so it works without a document.
    const apps_testing::Result menu = Zentrel({"run", "--json", "--profile", "p.reg", "^Ctrl+Q"});
    ASSERT_EQ(menu.status, 0);
    EXPECT_EQ(nlohmann::json::parse(menu.out)["menus"].size(), 1u);
}

TEST_F(Lifecycle, StepsLandTheSameInLfAndCrLfFiles) {
    const std::string lines[] = {"void f()", "{", "    int x;", "}", "",
                                 "void g()", "{", "    int y;", "}"};
    for (const std::string eol : {"\n", "\r\n"}) {
        std::string text;
        for (const auto& line : lines)
            text += line + eol;
        dir.Write("s.cpp", text);
        const apps_testing::Result up =
            Zentrel({"run", "--json", "--profile", "p.reg", "@s.cpp:8:3", "StepUp"});
        ASSERT_EQ(up.status, 0);
        EXPECT_EQ(nlohmann::json::parse(up.out)["active"]["caret"], nlohmann::json({6, 1}));
        const apps_testing::Result select =
            Zentrel({"run", "--json", "--profile", "p.reg", "@s.cpp:1:5", "StepDownSelect"});
        const auto active = nlohmann::json::parse(select.out)["active"];
        EXPECT_EQ(active["anchor"], nlohmann::json({1, 5}));
        EXPECT_EQ(active["caret"], nlohmann::json({6, 1}));
        EXPECT_EQ(dir.Read("s.cpp"), text);
    }
}

TEST_F(Lifecycle, UnregisterTakesEveryCommandOutAndClearsTheSetup) {
    dir.Write("a.txt", "x\n");
    ASSERT_EQ(Zentrel({"register", "--profile", "p.reg"}).status, 0);
    ASSERT_EQ(Zentrel({"register", "--profile", "p.reg"}).status, 0);
    const std::string registry = dir.Read("p.registry");
    EXPECT_NE(registry.find("[HKEY_CLASSES_ROOT\\Zentrel2.1]"), std::string::npos);
    EXPECT_NE(registry.find("[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Setup]"),
              std::string::npos);
    ASSERT_EQ(Zentrel({"run", "--profile", "p.reg", "@a.txt"}).status, 0);
    ASSERT_FALSE(AddInCommands().empty());

    ASSERT_EQ(Zentrel({"unregister", "--profile", "p.reg"}).status, 0);
    EXPECT_TRUE(AddInCommands().empty());
    EXPECT_FALSE(HasToolbar());
    EXPECT_EQ(dir.Read("p.reg").find("Setup"), std::string::npos);
    EXPECT_EQ(dir.Read("p.registry").find("Zentrel2.1"), std::string::npos);
    // The IDE's own commands stay.
    EXPECT_FALSE(IdeState()["commands"].empty());

    // The next start sets the add-in up again.
    ASSERT_EQ(Zentrel({"run", "--profile", "p.reg", "@a.txt"}).status, 0);
    EXPECT_FALSE(AddInCommands().empty());
}

TEST_F(Lifecycle, FriendAndTemplatesOnTheirOwn) {
    dir.Write("src/a.cpp", "int a;\n");
    dir.Write("include/a.hpp", "int a;\n");
    dir.Write("p.reg",
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
              "\"Friend File Directories\"=\"../include/\\x01\"\n");
    const apps_testing::Result found = Zentrel({"friend", "--profile", "p.reg", "src/a.cpp"});
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, (dir.Path() / "include/a.hpp").string() + "\n");
    const apps_testing::Result none = Zentrel({"friend", "--profile", "p.reg", "include/none.h"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out, "");

    dir.Write("t.txt", "##+\n##+ Loops\n##+ For\\tCtrl+Shift+F\nfor\n##-\n##-\n##+\n##-\n");
    const apps_testing::Result listed = Zentrel({"templates", "--templates", "t.txt"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out,
              "t.txt\n2 Loops >  CodeTempl_Loops\n  1 For  [ctrl+shift+f]  "
              "CodeTempl_For\n3 --------\n");
}

}  // namespace
