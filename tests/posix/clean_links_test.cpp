// The clean-up's directory listing: links of every kind stay leaves, and only the sizes the
// search wants cost a status call.
#include <gtest/gtest.h>

#include <filesystem>

#include "posix/directory_walk.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

TEST(CleanListing, KeepsKindsAndReadsOnlyTheWantedSizes) {
    testing_support::TempDir dir;
    const fs::path root = dir.Path() / "tree";
    for (const char* file : {"tree/a.obj", "tree/sub/b.obj", "tree/big.obj", "tree/notes.txt"})
        dir.Write(file, std::string(file).substr(5, 3));
    fs::create_directory_symlink(dir.Path(), root / "out");
    fs::create_symlink(root / "a.obj", root / "file.obj");
    fs::create_symlink("nowhere", root / "dangling.obj");
    const auto objects = [](std::string_view name) { return name.ends_with(".obj"); };
    const std::pair<sys::SizeWanted, const char*> cases[] = {
        {{}, "a.obj:0:3 big.obj:0:3 dangling.obj:2 file.obj:2 notes.txt:0:3 out:2 sub:1 "},
        {objects, "a.obj:0:3 big.obj:0:3 dangling.obj:2 file.obj:2 notes.txt:0:0 out:2 sub:1 "},
    };
    for (const auto& [sized, expected] : cases) {
        const std::optional<sys::DirectoryListing> listing =
            posix::ListDirectory(std::vector<sys::PathStep>{{root.string(), {}}}, sized);
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
