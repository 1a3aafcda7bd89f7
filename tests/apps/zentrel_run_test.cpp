// The zentrel program itself: its report, its exit status and its profile.
#include <gtest/gtest.h>

#include <string>

#include "zentrel_process.h"

namespace {

using apps_testing::Result;
using Json = nlohmann::ordered_json;

class ZentrelRun : public apps_testing::ZentrelTest {};

// Whether the menu item with that number was enabled.
bool Enabled(const Json& menu, int number) {
    for (const auto& item : menu) {
        if (item.value("number", 0) == number)
            return item["enabled"];
    }
    return false;
}

TEST_F(ZentrelRun, ReportsTheFinalStateAsJson) {
    dir.Write("inc/a.h", "int a;\n");
    const Json state = Report({"@inc/a.h:1:2-1:4", "Menu", "Nothing"});
    std::vector<std::string> keys;
    for (auto it = state.begin(); it != state.end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"active", "documents", "handled", "messages", "beeps",
                                              "clipboard", "breakpoints", "bookmarks", "menus",
                                              "dialogs"}));
    const std::string path = (dir.Path() / "inc/a.h").string();
    EXPECT_EQ(state["active"]["path"], path);
    EXPECT_EQ(state["active"]["anchor"], Json({1, 2}));
    EXPECT_EQ(state["active"]["caret"], Json({1, 4}));
    EXPECT_EQ(state["documents"], Json::parse(R"([{"path":")" + path + R"(","modified":false}])"));
    EXPECT_EQ(state["handled"], Json({true, false}));
    ASSERT_EQ(state["menus"].size(), 1u);
    // A header: no Add Breakpoints.
    EXPECT_FALSE(Enabled(state["menus"][0], 32802));
    EXPECT_EQ(state["menus"][0][0],
              Json::parse(R"({"number":32770,"text":"Zentrel Add-In\tCTRL-Q","enabled":false,)"
                          R"("default":true})"));
}

TEST_F(ZentrelRun, UsageErrorsExitWithTwoAndTouchNothing) {
    dir.Write("a.cpp", "int a;\n");
    const std::vector<std::vector<std::string>> cases = {
        {"run", "--profile", "p.reg", "@a.cpp", "bad step"},
        {"run", "--profile", "p.reg", "@a.cpp:0:1", "Menu"},
        {"run", "--profile", "p.reg", "@a.cpp:7:1", "Menu"},
        {"run", "--profile", "p.reg", "#99999"},
        {"run", "--profile", "p.reg", "@missing.cpp", "Menu"},
        {"run", "--profile", "p.reg", "--solution", "missing-dir", "Menu"},
        {"run", "--no-such-option", "Menu"},
        {},
    };
    for (const auto& args : cases) {
        const Result result = Run(args);
        const std::string shown = args.empty() ? "(none)" : args.back();
        EXPECT_EQ(result.status, 2) << shown;
        EXPECT_FALSE(result.err.empty()) << shown;
        EXPECT_TRUE(result.out.empty()) << shown;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "p.reg"));
    EXPECT_EQ(dir.Read("a.cpp"), "int a;\n");
}

TEST_F(ZentrelRun, ReadsItsSettingsFromTheProfile) {
    dir.Write("notes.txt", "x\n");
    dir.Write("p.reg",
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\r\n"
              "\"Extensions Source\"=\"txt\\x01\"\r\n");
    EXPECT_TRUE(Enabled(Report({"@notes.txt", "Menu"})["menus"][0], 32802));
}

TEST_F(ZentrelRun, AMalformedProfileIsReportedOnceAndLeftAlone) {
    const std::string broken = "this is not a profile\n";
    dir.Write("p.reg", broken);
    dir.Write("a.cpp", "int a;\n");
    const Result result = RunSteps({"@a.cpp", "Menu"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("p.reg"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_EQ(dir.Read("p.reg"), broken);
}

TEST_F(ZentrelRun, VersionAndHelpOnEveryCommand) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--version"}, {"run", "--help"}}) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 0) << args.back();
        EXPECT_FALSE(result.out.empty()) << args.back();
    }
}

}  // namespace
