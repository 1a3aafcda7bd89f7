// The program's own files under concurrent runs, failed writes, killed writers, dry runs and
// inputs too large for memory.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "zentrel_process.h"

namespace {

namespace fs = std::filesystem;
using apps_testing::Quote;
using apps_testing::Result;

class ZentrelWrites : public apps_testing::ZentrelTest {
  protected:
    // A bash script run in the test's directory, the program as "$Z", stderr collected.
    Result Shell(const std::string& script) {
        const std::string command = "cd " + Quote(dir.Path().string()) +
                                    " && Z=" + Quote(ZENTREL_EXE) + " bash -c " + Quote(script) +
                                    " >/dev/null 2>stderr.txt </dev/null";
        Result result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.err = dir.Read("stderr.txt");
        return result;
    }
    std::set<std::string> Entries() {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            names.insert(entry.path().filename().string());
        names.erase("stderr.txt");
        names.erase("data");
        return names;
    }
};

TEST_F(ZentrelWrites, ConcurrentRegisterRunAndUnregisterKeepEveryFileWhole) {
    dir.Write("a.txt", "x\n");
    // Four processes, 25 rounds each; any load of a torn file would say so on stderr.
    const Result result = Shell(R"(
        for w in 1 2 3 4; do (
            for i in $(seq 25); do
                for c in "register --profile p.reg" "run --profile p.reg @a.txt" \
                         "unregister --profile p.reg"; do
                    "$Z" $c >/dev/null 2>>"err$w" || echo "$c: exit $?" >>"err$w"
                done
            done) &
        done
        wait; cat err1 err2 err3 err4 >&2)");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(nlohmann::json::accept(dir.Read("p.ide.json")));
    EXPECT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
}

TEST_F(ZentrelWrites, AProfileThatCannotBeReplacedFailsTheRunAndStaysAsItWas) {
    const std::string profile =
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
        "\"Pad\"=\"" +
        std::string(2000, 'x') + "\"\n";
    struct Case {
        const char* name;
        const char* prepare;  // then a first run that sets up, writing the profile
        const char* message;
    } cases[] = {
        {"read-only file", "chmod 444 ro/p.reg",
         "ro/p.reg: cannot save the settings: Permission denied"},
        {"full disk", "trap '' XFSZ; ulimit -f 1",
         "ro/p.reg: cannot save the settings: File too large"},
        {"read-only directory",
         "touch ro/.p.reg.lock ro/.p.ide.json.lock; chattr +i ro 2>/dev/null || "
         "{ [ $(id -u) != 0 ] && chmod 555 ro; } || exit 77",
         "ro/p.reg: cannot save the settings: "},
    };
    dir.Write("a.txt", "x\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write("ro/p.reg", profile);
        const Result result =
            Shell(std::string(c.prepare) + "; \"$Z\" run --profile ro/p.reg @a.txt");
        Shell("chattr -i ro; chmod 755 ro; chmod 644 ro/p.reg");
        if (result.status == 77) {
            std::cout << "skipped: no way to make a directory read-only for root here\n";
            continue;
        }
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(dir.Read("ro/p.reg") == profile);
    }
}

TEST_F(ZentrelWrites, RegisterWithAScriptThatIsNoFileIsAUsageError) {
    fs::create_directory(dir.Path() / "scripts");
    ASSERT_EQ(mkfifo((dir.Path() / "fifo").c_str(), 0600), 0);
    const std::set<std::string> before = Entries();
    for (const char* script : {"scripts", "fifo"}) {
        const Result result = Run({"register", "--profile", "p.reg", "--script", script});
        EXPECT_EQ(result.status, 2) << script;
        EXPECT_NE(result.err.find("cannot read the registration script"), std::string::npos);
        EXPECT_EQ(Entries(), before) << script;
    }
}

TEST_F(ZentrelWrites, ADryRunWritesNothing) {
    dir.Write("a.txt", "x\n");
    const std::set<std::string> before = Entries();
    const Result result = Run({"run", "--dry-run", "--json", "--profile", "p.reg", "@a.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Entries(), before);
}

TEST_F(ZentrelWrites, KilledWritersLeftoversGoAndPlantedLinksAreNotFollowed) {
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string tail = ".tmp-" + std::to_string(gone) + "-0";
    for (const char* name : {".p.reg", ".p.ide.json", ".p.registry"})
        dir.Write(name + tail, std::string(1000, 'x'));
    dir.Write("victim", "keep");
    for (const char* name : {"p.ide.json.tmp", "p.registry.tmp"})
        fs::create_symlink("victim", dir.Path() / name);
    dir.Write("a.txt", "x\n");
    ASSERT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
    ASSERT_EQ(Run({"run", "--profile", "p.reg", "@a.txt"}).status, 0);
    for (const std::string& name : Entries())
        EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
    EXPECT_EQ(dir.Read("victim"), "keep");
}

TEST_F(ZentrelWrites, InputTooLargeForMemoryIsAMessageNotAnAbort) {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZENTREL_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ZENTREL_ASAN)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#endif
    struct Case {
        const char* big;  // a 450 MB file, more than the address space allowed
        const char* args;
    } cases[] = {
        {"big.cpp", "--profile p.reg @big.cpp"},
        {"big.reg", "--profile big.reg @a.txt"},
        {"p.ide.json", "--profile p.reg @a.txt"},
        {"big.txt", "--profile p.reg --templates big.txt @a.txt"},
    };
    dir.Write("a.txt", "x\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.big);
        fs::resize_file(dir.Write(c.big, ""), 450 << 20);
        const Result result = Shell(std::string("ulimit -v 400000; exec \"$Z\" run ") + c.args);
        fs::remove(dir.Path() / c.big);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(std::string("not enough memory to load ") + c.big),
                  std::string::npos)
            << result.err;
    }
}

}  // namespace
