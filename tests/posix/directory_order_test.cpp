// The listing's name order is the byte order of the names, where names share their first
// eight bytes, where one is the start of another, and past ASCII.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "posix/directory_walk.h"
#include "support/temp_dir.h"

namespace {

TEST(CleanListing, NamesInByteOrder) {
    testing_support::TempDir dir;
    std::vector<std::string> names = {"z",          "abcdefgh1", "a",         "\xc3\xa9",
                                      "abcdefgi",   "B",         "abcdefgh",  "a.b",
                                      "abcdefgh0z", "~",         "abcdefgh0", "\x7f"};
    for (const std::string& name : names)
        dir.Write("tree/" + name, "");
    const std::optional<sys::DirectoryListing> listing =
        posix::ListDirectory(std::vector<sys::PathStep>{{(dir.Path() / "tree").string(), {}}}, {});
    ASSERT_TRUE(listing);
    std::vector<std::string> listed;
    for (const sys::DirectoryEntry& entry : listing->entries)
        listed.push_back(entry.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(listed, names);
}

}  // namespace
