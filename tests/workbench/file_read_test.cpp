// Whole files read at the size they have, whatever size they claim.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "support/temp_dir.h"
#include "workbench/file_io.h"

namespace {

TEST(ReadFileBytes, ReadsEveryByteAndStampsTheFile) {
    testing_support::TempDir dir;
    const struct {
        std::string path;  // below the directory, or absolute
        std::string bytes;
    } cases[] = {
        {"empty.cpp", ""},
        {"no-final-break.cpp", "int a;\r\nint b;"},
        {"binary.bin", std::string("\0\r\n\xff\0", 5)},
        {"large.cpp", std::string(200000, 'x') + "\n"},
        // A file that says it is empty and is not, as a file growing between stat and read.
        {"/proc/version", ""},
    };
    for (const auto& c : cases) {
        std::string path = c.path;
        std::string expected = c.bytes;
        if (path.front() == '/') {
            if (!std::filesystem::exists(path))
                continue;
            std::ifstream in(path, std::ios::binary);
            expected.assign(std::istreambuf_iterator<char>(in), {});
            ASSERT_FALSE(expected.empty());
        } else {
            path = dir.Write(path, c.bytes).string();
        }
        std::string bytes = "left over";
        std::string reason;
        std::optional<workbench::FileStamp> stamp;
        ASSERT_TRUE(workbench::ReadFileBytes(path, bytes, reason, &stamp)) << path << reason;
        EXPECT_EQ(bytes, expected) << path;
        EXPECT_EQ(stamp, workbench::StampOf(path)) << path;
    }
}

TEST(ReadFileBytes, SaysWhyItCannotRead) {
    testing_support::TempDir dir;
    std::filesystem::create_directory(dir.Path() / "folder");
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {(dir.Path() / "missing.cpp").string(), "No such file or directory"},
        {(dir.Path() / "folder").string(), "Is a directory"},
        {"/dev/null", "not a regular file"},
    };
    for (const auto& c : cases) {
        std::string bytes = "kept";
        std::string reason;
        std::optional<workbench::FileStamp> stamp;
        EXPECT_FALSE(workbench::ReadFileBytes(c.path, bytes, reason, &stamp)) << c.path;
        EXPECT_EQ(reason, c.reason) << c.path;
        EXPECT_EQ(bytes, "kept") << c.path;
    }
}

}  // namespace
