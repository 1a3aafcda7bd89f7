#include "posix/file_replace.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "posix/file_lock.h"
#include "support/temp_dir.h"

namespace posix {
namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

std::set<std::string> Entries(const fs::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(FileReplaceTest, WritesLandOnTheTargetOrNowhere) {
    struct Case {
        const char* name;
        std::function<void(const TempDir&)> setUp;  // then "t" is written
        Parents parents;
        const char* reason;   // empty: the write succeeds
        const char* landsIn;  // the file holding "new" afterwards
        std::set<std::string> entries;
    } cases[] = {
        {"new file", [](const TempDir&) {}, Parents::kMustExist, "", "t", {"t"}},
        {"missing directory made",
         [](const TempDir& d) { fs::create_symlink("a/b/real", d.Path() / "t"); },
         Parents::kCreate,
         "",
         "a/b/real",
         {"t", "a"}},
        {"missing directory kept",
         [](const TempDir& d) { fs::create_symlink("a/real", d.Path() / "t"); },
         Parents::kMustExist,
         "No such file",
         "",
         {"t"}},
        {"chain of links",
         [](const TempDir& d) {
             d.Write("sub/real", "old");
             fs::create_symlink("sub/link", d.Path() / "t");
             fs::create_symlink(d.Path() / "sub/real", d.Path() / "sub/link");
         },
         Parents::kMustExist,
         "",
         "sub/real",
         {"t", "sub"}},
        {"read-only file",
         [](const TempDir& d) { fs::permissions(d.Write("t", "old"), fs::perms::owner_read); },
         Parents::kMustExist,
         "Permission denied",
         "",
         {"t"}},
        {"directory",
         [](const TempDir& d) { fs::create_directory(d.Path() / "t"); },
         Parents::kCreate,
         "not a regular file",
         "",
         {"t"}},
        {"link loop",
         [](const TempDir& d) { fs::create_symlink("t", d.Path() / "t"); },
         Parents::kCreate,
         "Too many levels",
         "",
         {"t"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        c.setUp(dir);
        std::string reason;
        EXPECT_EQ(ReplaceFile(dir.Path() / "t", "new", reason, c.parents), *c.reason == '\0');
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        if (*c.landsIn != '\0') {
            EXPECT_EQ(dir.Read(c.landsIn), "new");
        }
        EXPECT_EQ(Entries(dir.Path()), c.entries) << "no temporary is left behind";
    }
}

TEST(FileReplaceTest, KeepsTheModeAndReportsAFailedWrite) {
    TempDir dir;
    const fs::path path = dir.Write("t", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string reason;
    ASSERT_TRUE(ReplaceFile(path, "new", reason)) << reason;
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A full disk, as the file size limit shows it even where permissions do not bind.
    struct sigaction ignore = {}, previous = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = ReplaceFile(path, "longer than four", reason);
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &previous, nullptr);
    EXPECT_FALSE(written);
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(dir.Read("t"), "new");
    EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"t"});
}

TEST(FileReplaceTest, StaleTemporariesGoWhenTheirWriterIsGoneOrOld) {
    const pid_t gone = fork();
    if (gone == 0)
        _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string alive = std::to_string(getpid());
    struct Case {
        std::string name;
        bool old;
        bool removed;
    } cases[] = {
        {".t.tmp-" + std::to_string(gone) + "-3", false, true},
        {".t.tmp-" + alive + "-3", false, false},
        {".t.tmp-" + alive + "-4", true, true},
        {".t.tmp-" + alive + "-x", true, false},
        {".u.tmp-" + std::to_string(gone) + "-1", true, false},
        {"t", true, false},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const fs::path path = dir.Write(c.name, "x");
        if (c.old)
            fs::last_write_time(path, fs::last_write_time(path) - std::chrono::minutes(2));
    }
    RemoveStaleTemporaries(dir.Path() / "t");
    for (const Case& c : cases)
        EXPECT_EQ(fs::exists(dir.Path() / c.name), !c.removed) << c.name;
}

TEST(FileReplaceTest, LockIsHeldOnTheLinkTargetsLockFile) {
    TempDir dir;
    dir.Write("real/t", "");
    fs::create_symlink("real/t", dir.Path() / "t");
    const fs::path lockFile = dir.Path() / "real/.t.lock";
    auto tryLock = [&] {
        const int fd = ::open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
        const bool got = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        ::close(fd);
        return got;
    };
    std::string reason;
    {
        std::optional<FileLock> lock = FileLock::Acquire(dir.Path() / "t", reason);
        ASSERT_TRUE(lock) << reason;
        EXPECT_FALSE(tryLock());
    }
    EXPECT_TRUE(tryLock());
}

}  // namespace
}  // namespace posix
