// The program's own files across registration, under concurrent runs, failed writes, killed
// writers and inputs too large for memory.
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
using apps_testing::Result;

class ZentrelWrites : public apps_testing::ZentrelTest {
  protected:
    std::set<std::string> Entries() {
        std::set<std::string> names = testing_support::Entries(dir.Path());
        names.erase("stderr.txt");
        names.erase("data");
        return names;
    }
    // The add-in's commands and command bars in the IDE's saved state.
    std::size_t AddInEntries(const char* list) {
        std::size_t count = 0;
        const nlohmann::json state = nlohmann::json::parse(dir.Read("p.ide.json"));
        for (const auto& entry : state[list])
            count += entry["name"].get<std::string>().starts_with("Zentrel2");
        return count;
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
        const char* run = "run --profile ro/p.reg @a.txt";
    } cases[] = {
        {"read-only file", "chmod 444 ro/p.reg",
         "ro/p.reg: cannot save the settings: Permission denied"},
        {"full disk", "trap '' XFSZ; ulimit -f 1",
         "ro/p.reg: cannot save the settings: File too large",
         "options --profile ro/p.reg --set Author=B"},
        {"read-only directory",
         "touch ro/.p.reg.lock ro/.p.ide.json.lock; chattr +i ro 2>/dev/null || "
         "{ [ $(id -u) != 0 ] && chmod 555 ro; } || exit 77",
         "ro/p.reg: cannot save the settings: "},
    };
    dir.Write("a.txt", "x\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write("ro/p.reg", profile);
        const Result result = Shell(std::string(c.prepare) + "; \"$Z\" " + c.run);
        Shell("chattr -i ro; chmod 755 ro; chmod 644 ro/p.reg");
        if (result.status == 77) {
            std::cout << "skipped: no way to make a directory read-only for root here\n";
            continue;
        }
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(dir.Read("ro/p.reg") == profile);
        for (const std::string& name : testing_support::Entries(dir.Path() / "ro"))
            EXPECT_EQ(name.find(".tmp-"), std::string::npos) << "left behind: " << name;
    }
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

// Registering twice, then unregistering, takes every command, binding and the toolbar out of
// the built-in IDE, and the next run sets up again.
TEST_F(ZentrelWrites, UnregisterTakesEveryCommandOutAndClearsTheSetup) {
    dir.Write("a.txt", "x\n");
    ASSERT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
    ASSERT_EQ(Run({"register", "--profile", "p.reg"}).status, 0);
    const std::string registry = dir.Read("p.registry");
    EXPECT_NE(registry.find("[HKEY_CLASSES_ROOT\\Zentrel2.1]"), std::string::npos);
    EXPECT_NE(registry.find("[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Setup]"),
              std::string::npos);
    ASSERT_EQ(Run({"run", "--profile", "p.reg", "@a.txt"}).status, 0);
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
    ASSERT_EQ(Run({"run", "--profile", "p.reg", "@a.txt"}).status, 0);
    EXPECT_GT(AddInEntries("commands"), 0u);
}

}  // namespace
