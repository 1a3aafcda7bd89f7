#include "posix/file_replace.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>

#include "posix/file_lock.h"
#include "support/temp_dir.h"

namespace posix {
namespace {

namespace fs = std::filesystem;

TEST(FileReplaceTest, WritesLandOnTheTargetOrNowhere) {
    struct Case {
        const char* link;      // what "t" links to, if anything
        const char* existing;  // a file made first, mode 0640 or, with "ro:", 0444
        Parents parents;
        const char* reason;             // empty: written
        std::set<std::string> entries;  // afterwards
    } cases[] = {
        {"", "", Parents::kMustExist, "", {"t"}},
        {"", "t", Parents::kMustExist, "", {"t"}},
        {"", "ro:t", Parents::kMustExist, "Permission denied", {"t"}},
        {"a/real", "", Parents::kMustExist, "No such file", {"t"}},
        {"a/b/real", "", Parents::kCreate, "", {"t", "a", "a/b", "a/b/real"}},
        {"a/link", "a/real", Parents::kMustExist, "", {"t", "a", "a/real", "a/link"}},
        {"t", "", Parents::kCreate, "Too many levels", {"t"}},
        {"a", "a/x", Parents::kCreate, "not a regular file", {"t", "a", "a/x"}},
    };
    for (const Case& c : cases) {
        testing_support::TempDir dir;
        std::string existing = c.existing;
        const bool readOnly = existing.starts_with("ro:");
        if (!existing.empty()) {
            existing.erase(0, readOnly ? 3 : 0);
            fs::permissions(dir.Write(existing, "old"),
                            readOnly ? fs::perms(0444) : fs::perms(0640));
        }
        if (*c.link != '\0')
            fs::create_symlink(c.link, dir.Path() / "t");
        if (std::string(c.link) == "a/link")
            fs::create_symlink(dir.Path() / "a/real", dir.Path() / "a/link");
        const std::string name = c.link + std::string(" ") + c.existing;
        std::string reason;
        EXPECT_EQ(ReplaceFile(dir.Path() / "t", "new", reason, c.parents), *c.reason == '\0')
            << name;
        EXPECT_NE(reason.find(c.reason), std::string::npos) << name << ": " << reason;
        if (*c.reason == '\0') {
            EXPECT_EQ(dir.Read("t"), "new") << name;
        }
        if (!existing.empty()) {
            EXPECT_EQ(dir.Read(existing), *c.reason == '\0' ? "new" : "old") << name;
            EXPECT_EQ(fs::status(dir.Path() / existing).permissions(),
                      readOnly ? fs::perms(0444) : fs::perms(0640))
                << name;
        }
        EXPECT_EQ(testing_support::Entries(dir.Path(), true), c.entries)
            << name << ": no temporary is left";
    }
}

TEST(FileReplaceTest, StaleTemporariesGoWhenTheirWriterIsGoneOrOld) {
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone), alive = std::to_string(getpid());
    struct Case {
        std::string name;
        bool old;
        bool removed;
    } cases[] = {
        {".t.tmp-" + dead + "-3", false, true}, {".t.tmp-" + alive + "-3", false, false},
        {".t.tmp-" + alive + "-4", true, true}, {".t.tmp-" + alive + "-x", true, false},
        {".u.tmp-" + dead + "-1", true, false}, {"t", true, false},
    };
    testing_support::TempDir dir;
    for (const Case& c : cases) {
        const fs::path path = dir.Write(c.name, "x");
        if (c.old)
            fs::last_write_time(path, fs::last_write_time(path) - std::chrono::minutes(2));
    }
    RemoveStaleTemporaries(dir.Path() / "t");
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(dir.Path() / c.name), !c.removed) << c.name;
}

TEST(FileReplaceTest, TheLockIsHeldBesideTheLinksTarget) {
    testing_support::TempDir dir;
    fs::create_symlink(dir.Write("a/t", "").string(), dir.Path() / "t");
    auto free = [&] {
        const int fd = ::open((dir.Path() / "a/.t.lock").c_str(), O_RDONLY | O_CLOEXEC);
        const bool got = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        return got;
    };
    std::string reason;
    std::optional<FileLock> lock = FileLock::Acquire(dir.Path() / "t", reason);
    ASSERT_TRUE(lock) << reason;
    EXPECT_FALSE(free());
    lock.reset();
    EXPECT_TRUE(free());
}

}  // namespace
}  // namespace posix
