// `zentrel browse` used as a person uses it: in a terminal (tmux), keys typed, the screen read.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "zentrel_process.h"

namespace {

using apps_testing::Quote;

class BrowseTerminalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::system("command -v tmux >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "tmux is not installed";
        dir_.Write("proj/src/a.cpp",
                   "int setup()\n{\n}\n\nint reset()\n{\n}\n\nint other()\n{\n}\n");
        dir_.Write("proj/src/a.h", "int setup();\n\ninline int helper()\n{\n    return 3;\n}\n");
        dir_.Write("proj/notes.txt", "notes\n");
    }
    void TearDown() override {
        if (!socket_.empty())
            Tmux("kill-server 2>/dev/null");
    }

    // Starts the program in a fresh terminal; what it prints, its status and the terminal's
    // modes before and after are written beside the files.
    void Start(const std::string& arguments) {
        // A server of its own for each start: a killed one may linger a moment.
        Tmux("kill-server 2>/dev/null");
        socket_ = "zentrel-test-" + std::to_string(getpid()) + "-" + std::to_string(++starts_);
        const std::string d = Quote(dir_.Path().string());
        const std::string inner = "echo $$ > pid; exec env ZENTREL_PROFILE=p.reg TERM=xterm " +
                                  Quote(ZENTREL_EXE) + " browse " + arguments + " >out";
        const std::string script = "cd " + d + " && stty -g >modes-before; sh -c " + Quote(inner) +
                                   "; echo $? >status; stty -g >modes-after; sleep 60";
        Tmux("new-session -d -x 80 -y 24 " + Quote(script));
    }
    int Tmux(const std::string& arguments) {
        return std::system(("tmux -L " + socket_ + " " + arguments).c_str());
    }
    void Keys(const std::string& keys) { Tmux("send-keys -t 0 " + keys); }
    std::string Screen() {
        const std::filesystem::path file = dir_.Path() / "screen";
        Tmux("capture-pane -p -t 0 >" + Quote(file.string()));
        return testing_support::ReadBytes(file);
    }
    // Waits until the screen shows the text (a slow machine only makes this wait longer).
    bool Shows(const std::string& text) {
        for (int tries = 0; tries < 300; ++tries) {
            if (Screen().find(text) != std::string::npos)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "never shown: " << text << "\n" << Screen();
        return false;
    }
    std::string Finished(const std::string& file) {
        for (int tries = 0;
             tries < 300 && testing_support::ReadBytes(dir_.Path() / "modes-after").empty();
             ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return testing_support::ReadBytes(dir_.Path() / file);
    }

    testing_support::TempDir dir_;
    std::string socket_;
    int starts_ = 0;
};

TEST_F(BrowseTerminalTest, TypingFiltersArrowsMoveEnterOpens) {
    Start("--solution proj proj/src/a.cpp");
    ASSERT_TRUE(Shows("File: a.cpp"));
    EXPECT_NE(Screen().find("other"), std::string::npos);
    Keys("s e");
    ASSERT_TRUE(Shows("Filter: se"));
    EXPECT_EQ(Screen().find("other"), std::string::npos);
    Keys("BSpace BSpace BSpace");
    ASSERT_TRUE(Shows("Project: proj"));
    EXPECT_NE(Screen().find("notes.txt"), std::string::npos);
    Keys("Down Enter");
    ASSERT_TRUE(Shows("File: a.h"));
    Keys("Enter");
    EXPECT_EQ(Finished("status"), "0\n");
    EXPECT_EQ(testing_support::ReadBytes(dir_.Path() / "out"),
              (dir_.Path() / "proj/src/a.h").string() + ":3\n");
    EXPECT_EQ(testing_support::ReadBytes(dir_.Path() / "modes-after"),
              testing_support::ReadBytes(dir_.Path() / "modes-before"));
}

TEST_F(BrowseTerminalTest, TheTerminalComesBackOnEscapeAndOnASignal) {
    for (const bool bySignal : {false, true}) {
        std::filesystem::remove(dir_.Path() / "modes-after");
        Start("--solution proj");
        ASSERT_TRUE(Shows("Project: proj"));
        if (bySignal)
            kill(std::stoi(testing_support::ReadBytes(dir_.Path() / "pid")), SIGTERM);
        else
            Keys("Escape");
        EXPECT_EQ(Finished("status"), bySignal ? "143\n" : "1\n");
        EXPECT_EQ(testing_support::ReadBytes(dir_.Path() / "out"), "");
        EXPECT_EQ(testing_support::ReadBytes(dir_.Path() / "modes-after"),
                  testing_support::ReadBytes(dir_.Path() / "modes-before"));
    }
}

}  // namespace
