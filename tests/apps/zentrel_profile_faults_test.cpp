// The settings profile under faults: a writer killed at any moment leaves the old file or the
// new one whole, and the next start clears its leftovers; writers at once lose no change. A
// write that fails is one of the writes tests.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>

#include "zentrel_process.h"

namespace {

namespace fs = std::filesystem;

// Large enough that writing it takes many system calls.
const std::string kProfile =
    "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Windows]\n"
    "\"Pad\"=\"" +
    std::string(30000, 'p') + "\"\n";

class ZentrelProfileFaults : public apps_testing::ZentrelTest {
  protected:
    // `zentrel options --set Author=AUTHOR` on p.reg, with nothing but the profile to touch.
    pid_t StartSetting(const char* author) { return StartOptions(std::string("Author=") + author); }
    pid_t StartOptions(const std::string& set) {
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_RDWR);
            if (null < 0 || ::chdir(dir.Path().c_str()) != 0)
                ::_exit(127);
            for (int fd : {0, 1, 2})
                ::dup2(null, fd);
            ::execl(ZENTREL_EXE, "zentrel", "options", "--profile", "p.reg", "--set", set.c_str(),
                    nullptr);
            ::_exit(127);
        }
        return child;
    }
    static int Wait(pid_t child) {
        int raw = -1;
        ::waitpid(child, &raw, 0);
        return raw;
    }
};

TEST_F(ZentrelProfileFaults, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    dir.Write("p.reg", kProfile);
    std::string versions[2];
    for (int v : {0, 1}) {
        ASSERT_EQ(Wait(StartSetting(v == 0 ? "A" : "B")), 0);
        versions[v] = dir.Read("p.reg");
    }
    ASSERT_NE(versions[1].find("\"Code Templates Author\"=\"B\""), std::string::npos);
    ASSERT_NE(versions[1].find("\"Pad\""), std::string::npos);
    // The moments spread over one whole unkilled write.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(StartSetting("A")), 0);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    std::mt19937 random(14);
    std::uniform_int_distribution<long> moment(0, span.count());
    int killed = 0;
    for (int i = 0; i < 200; ++i) {
        const pid_t writer = StartSetting(i % 2 ? "A" : "B");
        ::usleep(static_cast<useconds_t>(moment(random)));
        ::kill(writer, SIGKILL);
        killed += WIFSIGNALED(Wait(writer)) ? 1 : 0;
        const std::string now = dir.Read("p.reg");
        ASSERT_TRUE(now == versions[0] || now == versions[1])
            << "writer " << i << " left " << now.size() << " bytes";
    }
    std::cout << killed << " of 200 writers killed before they ended\n";
    // One of the two changes the file, and the write that does clears the leftovers.
    for (const char* author : {"B", "A"})
        ASSERT_EQ(Wait(StartSetting(author)), 0);
    EXPECT_EQ(dir.Read("p.reg"), versions[0]);
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry;
}

// Each run changes one option; running at once, neither may put back the other's old value.
TEST_F(ZentrelProfileFaults, RunsChangingDifferentOptionsAtOnceKeepBoth) {
    dir.Write("p.reg", kProfile);
    for (int round = 0; round < 20; ++round) {
        const std::string n = std::to_string(round);
        const pid_t first = StartOptions("Author=a" + n);
        const pid_t second = StartOptions("Source Files=cpp,s" + n);
        ASSERT_EQ(Wait(first), 0);
        ASSERT_EQ(Wait(second), 0);
        const std::string now = dir.Read("p.reg");
        EXPECT_NE(now.find("\"Code Templates Author\"=\"a" + n + "\""), std::string::npos)
            << "round " << round;
        EXPECT_NE(now.find("\"Extensions Source\"=\"cpp\\x01s" + n + "\\x01\""), std::string::npos)
            << "round " << round;
    }
}

}  // namespace
