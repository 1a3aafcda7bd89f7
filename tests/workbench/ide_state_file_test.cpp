#include "workbench/ide_state_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace {

using workbench::IdeState;

// Every field away from a fresh IDE's.
IdeState Unusual() {
    IdeState state;
    state.commands = {
        {"Edit.Copy", "Copy", "Copy it", {"Global::ctrl+q", "Text Editor::ctrl+q"}},
        {"Zentrel2.Menu", "Code \"Menu\"", "Tip\\with\nodd bytes \x01", {}},
    };
    state.bars = {
        {"Standard", true, {}},
        {"Zentrel2", false, {{1, "Zentrel2.Menu", 1, 206, 222}, {2, "Edit.Copy", 0, 0, 0}}},
    };
    state.keyboardScheme = "/home/u/.config/Default Settings Zentrel.vsk";
    state.builtInSchemesReadOnly = false;
    state.olderBars = false;
    state.newerBars = true;
    state.registryRoot = "Software\\Microsoft\\VisualStudio\\7.1";
    state.version = "";
    return state;
}

class IdeStateFileTest : public ::testing::Test {
  protected:
    testing_support::TempDir dir_;
    std::filesystem::path path_ = dir_.Path() / "state" / "ide.json";
};

TEST_F(IdeStateFileTest, EveryFieldSurvivesARun) {
    workbench::Workbench first;
    std::string error;
    ASSERT_TRUE(first.RestoreIdeState(Unusual(), error)) << error;
    ASSERT_TRUE(first.SaveIdeState(path_, error)) << error;
    EXPECT_EQ(std::filesystem::directory_iterator(path_.parent_path())->path(), path_)
        << "nothing left beside it";

    workbench::Workbench second;
    ASSERT_TRUE(second.LoadIdeState(path_, error)) << error;
    EXPECT_EQ(second.CurrentIdeState(), Unusual());
    EXPECT_FALSE(second.GetCommandBars()->Generation(ide::BarGeneration::Older));
}

TEST_F(IdeStateFileTest, MissingFileIsAFreshIde) {
    workbench::Workbench bench;
    std::string error;
    ASSERT_TRUE(bench.RestoreIdeState(Unusual(), error)) << error;
    ASSERT_TRUE(bench.LoadIdeState(path_, error)) << error;
    EXPECT_EQ(bench.CurrentIdeState(), workbench::FreshIdeState());
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(IdeStateFileTest, MalformedFileIsRefusedAndLeftAlone) {
    std::string error;
    ASSERT_TRUE(workbench::WriteIdeStateFile(path_, workbench::FreshIdeState(), error)) << error;
    const std::string valid = dir_.Read("state/ide.json");
    // All but the commands; the list is read as it is parsed, and must fault as the rest does.
    const std::string head =
        R"({"format": 1, "version": "8", "registryRoot": "r", "commandBars": [],
            "keyboard": {"scheme": "s", "builtInSchemesReadOnly": true},
            "commandBarGenerations": {"older": true, "newer": true}, )";
    const struct {
        const char* find;  // in the valid file; empty: replace the whole file
        std::string replace;
        const char* reason;
    } cases[] = {
        // The other defects are golden cases (ide-state-malformed-*). A defect found last must
        // still leave nothing half restored.
        {"", "{\"format\": 1,", "not valid JSON"},
        {"\"command\": \"Edit.Copy\"", "\"command\": \"Edit.Cut\"", "unknown command \"Edit.Cut\""},
        {"", head + R"("commands": [{"name": "A", "buttonText": "", "tooltip": "", "bindings": []},
                                    7]})",
         "commands[1] should be an object"},
        {"", head + R"("commands": [[{"name": "A"}]]})", "commands[0] should be an object"},
        {"", head + R"("commands": [7], "commands": "none"})", "commands should be a list"},
        {"", R"({"commands": [7], "format": 2})", "format 2 is not known"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        std::string text = c.replace;
        if (*c.find != '\0') {
            text = valid;
            std::size_t at = text.find(c.find);
            ASSERT_NE(at, std::string::npos) << c.find;
            text.replace(at, std::string(c.find).size(), c.replace);
        }
        dir_.Write("state/ide.json", text);
        workbench::Workbench bench;
        bench.SetKeyboardScheme("mine.vsk");
        const IdeState before = bench.CurrentIdeState();

        error.clear();
        EXPECT_FALSE(bench.LoadIdeState(path_, error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_NE(error.find(path_.string()), std::string::npos) << error;
        EXPECT_EQ(bench.CurrentIdeState(), before);
        EXPECT_EQ(dir_.Read("state/ide.json"), text);
    }
}

TEST_F(IdeStateFileTest, UnwritablePlaceIsReported) {
    dir_.Write("state", "a file where a directory should be");
    std::string error;
    EXPECT_FALSE(workbench::WriteIdeStateFile(path_, IdeState(), error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
}

}  // namespace
