// Registration across runs of the program: registering twice, then unregistering, takes every
// command, binding and the toolbar out of the built-in IDE, and the next run sets up again.
#include <gtest/gtest.h>

#include <string>

#include "zentrel_process.h"

namespace {

class Lifecycle : public apps_testing::ZentrelTest {
  protected:
    // The add-in's commands and command bars in the IDE's saved state.
    std::size_t AddInEntries(const char* list) {
        std::size_t count = 0;
        const nlohmann::json state = nlohmann::json::parse(dir.Read("p.ide.json"));
        for (const auto& entry : state[list])
            count += entry["name"].get<std::string>().starts_with("Zentrel2");
        return count;
    }
    void Start() { ASSERT_EQ(RunSteps({"@a.txt"}).status, 0); }
};

TEST_F(Lifecycle, UnregisterTakesEveryCommandOutAndClearsTheSetup) {
    dir.Write("a.txt", "x\n");
    ASSERT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
    ASSERT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
    const std::string registry = dir.Read("p.registry");
    EXPECT_NE(registry.find("[HKEY_CLASSES_ROOT\\Zentrel2.1]"), std::string::npos);
    EXPECT_NE(registry.find("[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Setup]"),
              std::string::npos);
    Start();
    ASSERT_GT(AddInEntries("commands"), 0u);
    const std::size_t ideOwn =
        nlohmann::json::parse(dir.Read("p.ide.json"))["commands"].size() - AddInEntries("commands");

    ASSERT_EQ(Run({"unregister", "--profile", "p.reg"}).status, 0);
    EXPECT_EQ(AddInEntries("commands"), 0u);
    EXPECT_EQ(AddInEntries("commandBars"), 0u);
    EXPECT_EQ(dir.Read("p.reg").find("Setup"), std::string::npos);
    EXPECT_EQ(dir.Read("p.registry").find("Zentrel2.1"), std::string::npos);
    // The IDE's own commands stay, and the next start sets the add-in up again.
    EXPECT_EQ(nlohmann::json::parse(dir.Read("p.ide.json"))["commands"].size(), ideOwn);
    Start();
    EXPECT_GT(AddInEntries("commands"), 0u);
}

TEST_F(Lifecycle, FriendTemplatesVersionAndHelpOnTheirOwn) {
    dir.Write("src/a.cpp", "int a;\n");
    dir.Write("include/a.hpp", "int a;\n");
    dir.Write("p.reg",
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
              "\"Friend File Directories\"=\"../include/\\x01\"\n");
    dir.Write("include/b.h", "int b;\n");
    dir.Write("t.txt", "##+\n##+ Loops\n##+ For\\tCtrl+Shift+F\nfor\n##-\n##-\n##+\n##-\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;  // "*": any text but none
    } cases[] = {
        {{"friend", "--profile", "p.reg", "src/a.cpp"},
         0,
         (dir.Path() / "include/a.hpp").string() + "\n"},
        {{"friend", "--profile", "p.reg", "include/b.h"}, 1, ""},
        {{"templates", "--templates", "t.txt"},
         0,
         "t.txt\n2 Loops >  CodeTempl_Loops\n  1 For  [ctrl+shift+f]  CodeTempl_For\n3 --------\n"},
        {{"--version"}, 0, "*"},
        {{"run", "--help"}, 0, "*"},
    };
    for (const auto& c : cases) {
        const apps_testing::Result result = Run(c.args);
        EXPECT_EQ(result.status, c.status) << c.args[0] << " " << c.args.back();
        if (c.out == "*")
            EXPECT_NE(result.out, "") << c.args.back();
        else
            EXPECT_EQ(result.out, c.out) << c.args.back();
    }
}

}  // namespace
