// The clean-up against a tree built to mislead it: links out, round and nowhere, a name that is
// no UTF-8, a path longer than the system's limit, and the tree changed between the listing and
// the deletion. Beside the tree sits a sentinel with the same names, which must stay as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <numeric>

#include "commands/files/clean_search.h"
#include "support/quiet_terminal.h"
#include "support/temp_dir.h"
#include "support/tree_snapshot.h"

namespace {

namespace fs = std::filesystem;
using commands::files::CleanList;
using commands::files::DeleteSummary;
using commands::files::ProgressDlg;
using Strings = std::vector<std::string>;

const std::string kLongName(250, 'L');
constexpr int kLongDepth = 18;  // 18 * 251 bytes: past 4,096

// A directory chain too long for one path, made (with a file at its end) or removed one step at
// a time; true when that worked.
bool LongChain(const fs::path& root, bool make) {
    std::vector<int> fds{::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    for (int i = 0; fds.back() >= 0 && i < kLongDepth; ++i) {
        if (make)
            ::mkdirat(fds.back(), kLongName.c_str(), 0755);
        fds.push_back(::openat(fds.back(), kLongName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    bool ok = fds.back() >= 0;
    if (ok && make)
        ok = ::close(::openat(fds.back(), "deep.obj", O_CREAT | O_WRONLY | O_CLOEXEC, 0644)) == 0;
    for (; fds.size() > 1; fds.pop_back()) {
        ::close(fds.back());
        if (!make)
            ok = ::unlinkat(fds[fds.size() - 2], kLongName.c_str(), AT_REMOVEDIR) == 0 && ok;
    }
    ::close(fds.back());
    return ok;
}

class CleanFaults : public testing::Test {
  protected:
    void Lay() {
        fs::remove_all(dir.Path());
        fs::create_directory(dir.Path());
        for (const char* root : {"tree/", "outside/"}) {
            const bool tree = *root == 't';
            for (const char* file : {"a.obj", "sub/b.obj", "sub/keep.cpp", "\xff.obj"})
                dir.Write(root + std::string(file), tree ? file : "keep");
        }
        fs::create_directory_symlink(dir.Path() / "outside", Root() / "out");
        fs::create_directory_symlink("..", Root() / "up");
        fs::create_directory_symlink(".", Root() / "sub" / "loop");
        fs::create_directory_symlink("../../outside/sub", Root() / "sub" / "outsub");
        fs::create_symlink(dir.Path() / "outside" / "a.obj", Root() / "sub" / "file.obj");
        fs::create_symlink("nowhere", Root() / "dangling.obj");
        sentinel = testing_support::Snapshot(dir.Path() / "outside");
    }
    fs::path Root() const { return dir.Path() / "tree"; }
    CleanList Search() {
        ProgressDlg progress(platform);
        return commands::files::SearchForFiles(platform, progress, Root().string(), true, "*.obj",
                                               editor::PathStyle::Posix);
    }
    DeleteSummary Delete(const CleanList& list) {
        ProgressDlg progress(platform);
        return commands::files::DeleteFiles(platform, progress, list);
    }

    testing_support::TempDir dir;
    testing_support::QuietTerminal platform;
    testing_support::TreeSnapshot sentinel;
};

TEST_F(CleanFaults, NothingOutsideTheTreeIsReachedAndWhatChangedIsLeftAlone) {
    using Change = std::function<void(const fs::path& root, const fs::path& outside)>;
    const Change none = [](const fs::path&, const fs::path&) {};
    const struct {
        const char* name;
        Change change;  // between listing and deletion
        DeleteSummary summary;
        Strings left = {};  // of the listed files
        bool longPath = false;
    } cases[] = {
        {"nothing changed", none, {3, 0, 0, 0}},
        {"a path over 4,096 bytes", none, {4, 0, 0, 0}, {}, true},
        {"file deleted meanwhile",
         [](const fs::path& root, const fs::path&) { fs::remove(root / "a.obj"); },
         {2, 1, 0, 0}},
        {"file swapped for a link to its twin outside",
         [](const fs::path& root, const fs::path& outside) {
             fs::remove(root / "a.obj");
             fs::create_symlink(outside / "a.obj", root / "a.obj");
         },
         {2, 0, 1, 0}},
        {"directory swapped for a link to its twin outside",
         [](const fs::path& root, const fs::path& outside) {
             fs::rename(root / "sub", root / "was");
             fs::create_directory_symlink(outside / "sub", root / "sub");
         },
         {2, 0, 1, 0},
         {"was/b.obj"}},
        {"directory swapped for a link to its parent",
         [](const fs::path& root, const fs::path&) {
             fs::rename(root / "sub", root / "was");
             fs::rename(root / "was" / "b.obj", root / "b.obj");
             fs::create_directory_symlink(".", root / "sub");
         },
         {2, 0, 1, 0},
         {"b.obj"}},
        {"directory swapped for another directory",
         [](const fs::path& root, const fs::path&) {
             fs::rename(root / "sub", root / "was");
             fs::create_directories(root / "sub");
             fs::copy_file(root / "was" / "b.obj", root / "sub" / "b.obj");
         },
         {2, 0, 1, 0},
         {"sub/b.obj", "was/b.obj"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Lay();
        if (c.longPath) {
            ASSERT_TRUE(LongChain(Root(), true));
        }
        const CleanList list = Search();
        Strings listed;  // below the root, each long step shown as L
        for (const CleanList::File& file : list.files) {
            std::string path = file.path.substr(Root().string().size() + 1);
            for (std::size_t at; (at = path.find(kLongName)) != std::string::npos;)
                path.replace(at, kLongName.size(), "L");
            listed.push_back(path);
        }
        Strings expected{"a.obj", "\xff.obj", "sub/b.obj"};
        if (c.longPath) {
            expected.insert(expected.begin() + 2, "L/L/L/L/L/L/L/L/L/L/L/L/L/L/L/L/L/L/deep.obj");
            EXPECT_GT(list.files[2].path.size(), 4096u);
        }
        EXPECT_EQ(listed, expected) << "links are neither listed nor entered";
        EXPECT_EQ(list.total, std::accumulate(list.files.begin(), list.files.end(), 0u,
                                              [](auto sum, const CleanList::File& file) {
                                                  return sum + file.size;
                                              }));
        EXPECT_EQ(list.total, 19u);
        c.change(Root(), dir.Path() / "outside");
        const DeleteSummary summary = Delete(list);
        EXPECT_EQ(std::tie(summary.deleted, summary.gone, summary.changed, summary.failed),
                  std::tie(c.summary.deleted, c.summary.gone, c.summary.changed, c.summary.failed));
        EXPECT_EQ(testing_support::Snapshot(dir.Path() / "outside"), sentinel);
        for (const char* link : {"out", "up", "dangling.obj"})
            EXPECT_TRUE(fs::is_symlink(Root() / link)) << link;
        for (const std::string& left : c.left)
            EXPECT_TRUE(fs::exists(Root() / left)) << left;
        EXPECT_FALSE(fs::exists(Root() / "\xff.obj"));
        if (c.longPath) {
            EXPECT_TRUE(LongChain(Root(), false)) << "deep.obj is gone, so the chain goes";
        }
    }
    EXPECT_EQ(platform.errors.str(), "");
}

}  // namespace
