// The zentrel program itself: its report, its exit status and its profile.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/temp_dir.h"
#include "zentrel_process.h"

namespace {

using apps_testing::Result;

class ZentrelRun : public testing::Test {
  protected:
    Result Run(const std::vector<std::string>& args) { return apps_testing::RunZentrel(dir, args); }

    template <class Json>
    std::vector<std::string> Enabled(const Json& menu) {
        std::vector<std::string> numbers;
        for (const auto& item : menu) {
            if (item.contains("number") && item["enabled"].template get<bool>()) {
                numbers.push_back(std::to_string(item["number"].template get<int>()));
            }
        }
        return numbers;
    }

    testing_support::TempDir dir;
};

TEST_F(ZentrelRun, ReportsTheFinalStateAsJson) {
    dir.Write("inc/a.h", "int a;\n");
    const Result result =
        Run({"run", "--json", "--profile", "p.reg", "@inc/a.h:1:2-1:4", "Menu", "Nothing"});
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::ordered_json state = nlohmann::ordered_json::parse(result.out);
    std::vector<std::string> keys;
    for (auto it = state.begin(); it != state.end(); ++it)
        keys.push_back(it.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"active", "documents", "handled", "messages", "beeps",
                                              "clipboard", "breakpoints", "bookmarks", "menus",
                                              "dialogs"}));
    const std::string path = (dir.Path() / "inc/a.h").string();
    EXPECT_EQ(state["active"]["path"], path);
    EXPECT_EQ(state["active"]["anchor"], nlohmann::ordered_json({1, 2}));
    EXPECT_EQ(state["active"]["caret"], nlohmann::ordered_json({1, 4}));
    EXPECT_EQ(state["documents"],
              nlohmann::ordered_json::parse(R"([{"path":")" + path + R"(","modified":false}])"));
    EXPECT_EQ(state["handled"], nlohmann::ordered_json({true, false}));
    ASSERT_EQ(state["menus"].size(), 1u);
    // A header: everything but Add Breakpoints.
    const auto enabled = Enabled(state["menus"][0]);
    EXPECT_EQ(enabled.size(), 18u);
    EXPECT_EQ(std::count(enabled.begin(), enabled.end(), "32802"), 0);
    EXPECT_EQ(
        state["menus"][0][0],
        nlohmann::ordered_json::parse(
            R"({"number":32770,"text":"Zentrel Add-In\tCTRL-Q","enabled":false,"default":true})"));
}

TEST_F(ZentrelRun, UsageErrorsExitWithTwoAndTouchNothing) {
    dir.Write("a.cpp", "int a;\n");
    const std::vector<std::vector<std::string>> cases = {
        {"run", "--profile", "p.reg", "@a.cpp", "bad step"},
        {"run", "--profile", "p.reg", "@a.cpp:0:1", "Menu"},
        {"run", "--profile", "p.reg", "@a.cpp:1:x", "Menu"},
        {"run", "--profile", "p.reg", "#99999"},
        {"run", "--profile", "p.reg", "@missing.cpp", "Menu"},
        {"run", "--profile", "p.reg", "@a.cpp:7:1", "Menu"},
        {"run", "--profile", "p.reg", "--solution", "missing-dir", "Menu"},
        {"run", "--no-such-option", "Menu"},
        {"run"},
        {},
    };
    for (const auto& args : cases) {
        const Result result = Run(args);
        std::string shown;
        for (const auto& arg : args)
            shown += arg + " ";
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
    const Result result = Run({"run", "--json", "--profile", "p.reg", "@notes.txt", "Menu"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto enabled = Enabled(nlohmann::json::parse(result.out)["menus"][0]);
    EXPECT_EQ(std::count(enabled.begin(), enabled.end(), "32802"), 1);
}

TEST_F(ZentrelRun, AMalformedProfileIsReportedOnceAndLeftAlone) {
    const std::string broken = "this is not a profile\n";
    dir.Write("p.reg", broken);
    dir.Write("a.cpp", "int a;\n");
    const Result result = Run({"run", "--json", "--profile", "p.reg", "@a.cpp", "Menu"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("p.reg"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_EQ(dir.Read("p.reg"), broken);
}

TEST_F(ZentrelRun, VersionAndHelpOnEveryCommand) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--version"}, {"run", "--version"}, {"--help"}, {"run", "--help"}}) {
        const Result result = Run(args);
        EXPECT_EQ(result.status, 0) << args.back();
        EXPECT_FALSE(result.out.empty()) << args.back();
    }
}

}  // namespace
