// The clean-up on real directory trees: links of every kind stay leaves, what changed
// between the confirmation and the deletion is left alone, and only wanted sizes are read.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/files/clean_search.h"
#include "posix/directory_walk.h"
#include "support/quiet_terminal.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using commands::files::CleanList;
using commands::files::DeleteSummary;
using commands::files::ProgressDlg;
using Strings = std::vector<std::string>;

class CleanOnDisk : public testing::Test {
  protected:
    CleanOnDisk() {
        for (const char* file : {"tree/a.obj", "tree/sub/b.obj", "tree/sub/keep.cpp",
                                 "outside/o.obj", "outside/deep/p.obj", "outside/target.obj"})
            dir.Write(file, "x");
        fs::create_directory_symlink(dir.Path() / "outside", Root() / "out");  // a way out
        fs::create_directory_symlink("..", Root() / "sub" / "loop");           // a way round
        fs::create_symlink(dir.Path() / "outside" / "target.obj", Root() / "file.obj");
        fs::create_symlink("nowhere", Root() / "dangling.obj");
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
    Strings Relative(const CleanList& list) const {
        Strings paths;
        for (const CleanList::File& file : list.files)
            paths.push_back(fs::path(file.path).lexically_relative(dir.Path()).string());
        return paths;
    }
    void ExpectOutsideUntouched() const {
        for (const char* file : {"outside/o.obj", "outside/deep/p.obj", "outside/target.obj"})
            EXPECT_EQ(dir.Read(file), "x") << file;
    }

    testing_support::TempDir dir;
    testing_support::QuietTerminal platform;
};

TEST_F(CleanOnDisk, LinksAreNeitherListedNorEntered) {
    const CleanList list = Search();
    EXPECT_EQ(Relative(list), (Strings{"tree/a.obj", "tree/sub/b.obj"}));
    const DeleteSummary summary = Delete(list);
    EXPECT_EQ(summary.deleted, 2u);
    EXPECT_FALSE(fs::exists(Root() / "a.obj"));
    EXPECT_TRUE(fs::exists(Root() / "sub" / "keep.cpp"));
    EXPECT_TRUE(fs::is_symlink(Root() / "file.obj"));
    ExpectOutsideUntouched();
}

TEST_F(CleanOnDisk, WhatChangedAfterListingIsLeftAlone) {
    const struct {
        const char* name;
        void (*change)(const fs::path& root, const fs::path& outside);
        DeleteSummary summary;
    } cases[] = {
        {"file replaced by a link",
         [](const fs::path& root, const fs::path& outside) {
             fs::remove(root / "a.obj");
             fs::create_symlink(outside / "o.obj", root / "a.obj");
         },
         {1, 0, 1, 0}},
        {"directory replaced by a link to one with the same names",
         [](const fs::path& root, const fs::path& outside) {
             fs::create_directories(outside / "sub");
             fs::rename(root / "sub" / "b.obj", outside / "sub" / "b.obj");
             fs::rename(root / "sub", root / "was");
             fs::create_directory_symlink(outside / "sub", root / "sub");
         },
         {1, 0, 1, 0}},
        {"directory replaced by another directory",
         [](const fs::path& root, const fs::path&) {
             fs::rename(root / "sub", root / "was");
             fs::create_directories(root / "sub");
             fs::copy_file(root / "was" / "b.obj", root / "sub" / "b.obj");
         },
         {1, 0, 1, 0}},
        {"file already gone",
         [](const fs::path& root, const fs::path&) { fs::remove(root / "a.obj"); },
         {1, 1, 0, 0}},
    };
    for (const auto& c : cases) {
        fs::remove_all(Root());
        dir.Write("tree/a.obj", "x");
        dir.Write("tree/sub/b.obj", "x");
        fs::remove_all(dir.Path() / "outside" / "sub");
        const CleanList list = Search();
        ASSERT_EQ(list.files.size(), 2u) << c.name;
        c.change(Root(), dir.Path() / "outside");
        const DeleteSummary summary = Delete(list);
        EXPECT_EQ(std::tie(summary.deleted, summary.gone, summary.changed, summary.failed),
                  std::tie(c.summary.deleted, c.summary.gone, c.summary.changed, c.summary.failed))
            << c.name;
        ExpectOutsideUntouched();
        if (fs::exists(dir.Path() / "outside" / "sub" / "b.obj")) {
            EXPECT_EQ(dir.Read("outside/sub/b.obj"), "x") << c.name;
        }
    }
}

TEST_F(CleanOnDisk, ListingKeepsKindsAndReadsOnlyTheWantedSizes) {
    dir.Write("tree/big.obj", "12345");
    dir.Write("tree/notes.txt", "abc");
    const auto objects = [](std::string_view name) { return name.ends_with(".obj"); };
    const std::pair<sys::SizeWanted, const char*> cases[] = {
        {{}, "a.obj:0:1 big.obj:0:5 dangling.obj:2 file.obj:2 notes.txt:0:3 out:2 sub:1 "},
        {objects, "a.obj:0:1 big.obj:0:5 dangling.obj:2 file.obj:2 notes.txt:0:0 out:2 sub:1 "},
    };
    for (const auto& [sized, expected] : cases) {
        const std::optional<sys::DirectoryListing> listing =
            posix::ListDirectory(std::vector<sys::PathStep>{{Root().string(), {}}}, sized);
        ASSERT_TRUE(listing);
        std::string entries;  // name:kind(:size of a file)
        for (const sys::DirectoryEntry& entry : listing->entries) {
            entries +=
                entry.name + ":" + std::to_string(static_cast<int>(entry.kind)) +
                (entry.kind == sys::EntryKind::kFile ? ":" + std::to_string(entry.size) : "") + " ";
        }
        EXPECT_EQ(entries, expected);
    }
}

}  // namespace
