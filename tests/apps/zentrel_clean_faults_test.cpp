// `zentrel clean` run by a user who may not read or change all of the tree: what cannot be
// listed is passed over, what cannot be deleted is counted and reported. A sentinel beside the
// tree, with the same names, stays as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/tree_snapshot.h"
#include "zentrel_process.h"

namespace {

namespace fs = std::filesystem;

constexpr int kNobody = 65534;

TEST(ZentrelCleanFaults, UnreadableAndUndeletableFilesAreLeftAndCounted) {
    // Root may read and delete anything: the program then runs as nobody.
    std::string user;
    if (::getuid() == 0) {
        if (std::system("command -v setpriv >/dev/null") != 0)
            GTEST_SKIP() << "setpriv is missing: no way to run the clean-up unprivileged";
        user = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    // Cancel deleting nothing is a golden case (clean-cancelled-*) and a row of the usage table.
    testing_support::TempDir dir;
    fs::permissions(dir.Path(), fs::perms(0755));
    for (const char* root : {"tree/", "outside/"}) {
        for (const char* file : {"a.obj", "locked/x.obj", "fixed/y.obj"})
            dir.Write(root + std::string(file), file);
    }
    if (!user.empty()) {
        for (const auto& entry : fs::recursive_directory_iterator(dir.Path() / "tree"))
            ASSERT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown((dir.Path() / "tree").c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown((dir.Path() / "tree/locked").c_str(), 0, 0), 0);
        ASSERT_EQ(::chown((dir.Path() / "tree/fixed").c_str(), 0, 0), 0);
    }
    fs::permissions(dir.Path() / "tree/locked", fs::perms::none);
    fs::permissions(dir.Path() / "tree/fixed", fs::perms(0555));
    const testing_support::TreeSnapshot sentinel =
        testing_support::Snapshot(dir.Path() / "outside");

    // A copy of the program, since its build tree may be closed to that user.
    fs::copy_file(ZENTREL_EXE, dir.Path() / "zentrel");
    const int status =
        apps_testing::Shell(dir.Path(), "{ " + user +
                                            "test -x zentrel || exit 77; } && echo yes | " + user +
                                            "./zentrel clean tree >out.txt 2>err.txt")
            .status;
    if (status == 77)
        GTEST_SKIP() << "the unprivileged user cannot reach " << dir.Path();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(dir.Read("out.txt"),
              "Files that will be DELETED:\n\ntree/a.obj\n"
              "tree/fixed/y.obj\n\nTotal: 2 files, 16B\n");
    EXPECT_EQ(dir.Read("err.txt"),
              "Delete these 2 files? [yes/no] zentrel clean: 1 files could "
              "not be deleted\n");
    EXPECT_FALSE(fs::exists(dir.Path() / "tree/a.obj"));
    for (const char* opened : {"tree/locked", "tree/fixed"})
        fs::permissions(dir.Path() / opened, fs::perms(0755));
    EXPECT_EQ(dir.Read("tree/locked/x.obj"), "locked/x.obj");
    EXPECT_EQ(dir.Read("tree/fixed/y.obj"), "fixed/y.obj");
    EXPECT_EQ(testing_support::Snapshot(dir.Path() / "outside"), sentinel);
}

}  // namespace
