// The listing the clean-up walks: names in byte order (where names share their first eight
// bytes, where one is the start of another, and past ASCII), links of every kind kept as
// leaves, and a status call only for the sizes the search wants.
#include "posix/directory_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// name:kind(:size of a file), in the listing's order.
std::vector<std::string> Listed(const fs::path& root, const sys::SizeWanted& sized) {
    std::vector<std::string> entries;
    const std::optional<sys::DirectoryListing> listing =
        posix::ListDirectory(std::vector<sys::PathStep>{{root.string(), {}}}, sized);
    if (!listing) {
        ADD_FAILURE() << "cannot list " << root;
        return entries;
    }
    for (const sys::DirectoryEntry& entry : listing->entries) {
        entries.push_back(
            entry.name + ":" + std::to_string(static_cast<int>(entry.kind)) +
            (entry.kind == sys::EntryKind::kFile ? ":" + std::to_string(entry.size) : ""));
    }
    return entries;
}

TEST(CleanListing, NamesInByteOrder) {
    testing_support::TempDir dir;
    std::vector<std::string> names = {"z",          "abcdefgh1", "a",         "\xc3\xa9",
                                      "abcdefgi",   "B",         "abcdefgh",  "a.b",
                                      "abcdefgh0z", "~",         "abcdefgh0", "\x7f"};
    for (std::string& name : names)
        name = dir.Write("tree/" + name, "").filename().string();
    std::sort(names.begin(), names.end());
    for (std::string& name : names)
        name += ":0:0";
    EXPECT_EQ(Listed(dir.Path() / "tree", {}), names);
}

TEST(CleanListing, KeepsKindsAndReadsOnlyTheWantedSizes) {
    testing_support::TempDir dir;
    const fs::path root = dir.Path() / "tree";
    for (const char* file : {"tree/a.obj", "tree/sub/b.obj", "tree/big.obj", "tree/notes.txt"})
        dir.Write(file, std::string(file).substr(5, 3));
    fs::create_directory_symlink(dir.Path(), root / "out");
    fs::create_symlink(root / "a.obj", root / "file.obj");
    fs::create_symlink("nowhere", root / "dangling.obj");
    const auto objects = [](std::string_view name) { return name.ends_with(".obj"); };
    using Strings = std::vector<std::string>;
    EXPECT_EQ(Listed(root, {}), (Strings{"a.obj:0:3", "big.obj:0:3", "dangling.obj:2", "file.obj:2",
                                         "notes.txt:0:3", "out:2", "sub:1"}));
    EXPECT_EQ(Listed(root, objects), (Strings{"a.obj:0:3", "big.obj:0:3", "dangling.obj:2",
                                              "file.obj:2", "notes.txt:0:0", "out:2", "sub:1"}));
}

}  // namespace
