#include "posix/terminal_platform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/temp_dir.h"

namespace posix {
namespace {

ui::PopupMenu SampleMenu() {
    ui::MenuItem greyed = ui::MenuItem::Command(2, "&Greyed");
    greyed.enabled = false;
    return ui::PopupMenu({ui::MenuItem::Command(1, "&One\tCTRL+1"), ui::MenuItem::Separator(),
                          greyed,
                          ui::MenuItem::Popup("More", {ui::MenuItem::Command(7, "Seven")})});
}

struct Terminal {
    AnswerQueue answers;
    std::ostringstream errors;
    std::istringstream input;
    TerminalPlatform platform;

    Terminal(std::vector<std::string> given, std::string typed = "", bool interactive = false)
        : answers(std::move(given)),
          input(std::move(typed)),
          platform(answers, errors, input, interactive) {}
};

TEST(TerminalPlatformTest, MenusTakeAnEnabledItemNumberElseAreDismissed) {
    // A submenu's item counts; a greyed item, an unknown number or a stray character do not.
    const std::pair<std::vector<std::string>, int> cases[] = {{{"1"}, 1}, {{"7"}, 7},  {{"2"}, 0},
                                                              {{"3"}, 0}, {{"1x"}, 0}, {{}, 0}};
    for (const auto& [answers, chosen] : cases) {
        Terminal terminal(answers);
        EXPECT_EQ(terminal.platform.TrackPopupMenu(SampleMenu()), chosen)
            << (answers.empty() ? "(none)" : answers[0]);
        EXPECT_EQ(terminal.platform.Recorded().menus.size(), 1u);
    }
}

TEST(TerminalPlatformTest, AnswersAreConsumedInOrderThenTheTerminalIsAsked) {
    Terminal terminal({"1", "yes"}, "7\nno\n", true);
    EXPECT_EQ(terminal.platform.TrackPopupMenu(SampleMenu()), 1);
    EXPECT_EQ(terminal.platform.MessageBox("Delete?", "Zentrel", sys::kYesNo), sys::kAnswerYes);
    EXPECT_EQ(terminal.platform.TrackPopupMenu(SampleMenu()), 7);
    EXPECT_NE(terminal.errors.str().find("Seven"), std::string::npos);
    EXPECT_EQ(terminal.platform.MessageBox("Delete?", "Zentrel", sys::kYesNo), sys::kAnswerNo);
    // Input exhausted: the safe answer.
    EXPECT_EQ(terminal.platform.MessageBox("Delete?", "Zentrel", sys::kYesNo), sys::kAnswerNo);
    EXPECT_EQ(terminal.platform.TrackPopupMenu(SampleMenu()), 0);
}

// The recording of messages and beeps shows in the golden cases and the connection tests.
TEST(TerminalPlatformTest, PrintsMessages) {
    Terminal terminal({});
    EXPECT_EQ(terminal.platform.MessageBox("Can't get DLL path.", "Zentrel", sys::kOk),
              sys::kAnswerOk);
    EXPECT_EQ(terminal.errors.str(), "Zentrel: Can't get DLL path.\n");
}

TEST(TerminalPlatformTest, ReadsFilesAsRawBytesAndRefusesDirectories) {
    Terminal terminal({});
    const std::string path = testing::TempDir() + "zentrel-raw.bin";
    const std::string bytes("a\r\nb\0c", 6);
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(terminal.platform.ReadFile(path), bytes);
    EXPECT_EQ(terminal.platform.ReadFile(testing::TempDir()), std::nullopt);
    EXPECT_EQ(terminal.platform.ReadFile(path + ".missing"), std::nullopt);
    std::remove(path.c_str());
}

TEST(TerminalPlatformTest, FindsNamesThatDifferOnlyInCase) {
    testing_support::TempDir dir;
    for (const char* name : {"a.CPP", "a.cpp", "A.Cpp", "a.cppx", "b.cpp"})
        dir.Write(name, "");
    Terminal terminal({});
    const std::string directory = dir.Path().string() + "/";
    EXPECT_EQ(terminal.platform.NamesIgnoringCase(directory, "a.Cpp"),
              (std::vector<std::string>{"A.Cpp", "a.CPP", "a.cpp"}));
    EXPECT_TRUE(terminal.platform.NamesIgnoringCase(directory + "none/", "a.cpp").empty());
}

// That a dry run copies and creates nothing the program's runs show; this they cannot.
TEST(TerminalPlatformTest, ADryRunCopiesOntoNoFileThatExists) {
    testing_support::TempDir dir;
    const std::string from = dir.Write("from.vsk", "keys").string();
    Terminal terminal({});
    // The host names the data folder; there is no default one to write into.
    EXPECT_EQ(terminal.platform.ApplicationDataFolder(), std::nullopt);
    terminal.platform.SetDryRun(true);
    EXPECT_FALSE(terminal.platform.CopyFileNoOverwrite(from, from));
}

}  // namespace
}  // namespace posix
