#include "editor/split_path.h"

#include <gtest/gtest.h>

#include "editor/extension_list.h"

namespace editor {
namespace {

struct SplitCase {
    PathStyle style;
    const char* path;
    const char* directory;
    const char* baseName;
    const char* extension;
};

class SplitPathTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, SplitsAtTheLastDirectoryEnd) {
    const SplitCase& c = GetParam();
    const PathParts parts = SplitPath(c.path, c.style);
    EXPECT_EQ(parts.directory, c.directory) << PathStyleName(c.style) << " " << c.path;
    EXPECT_EQ(parts.baseName, c.baseName) << PathStyleName(c.style) << " " << c.path;
    EXPECT_EQ(parts.extension, c.extension) << PathStyleName(c.style) << " " << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    BothStyles, SplitPathTest,
    testing::Values(
        // The dot of a directory does not start an extension.
        SplitCase{PathStyle::Windows, R"(D:\src.old\file)", R"(D:\src.old\)", "file", ""},
        // A drive colon ends the directory.
        SplitCase{PathStyle::Windows, "D:name.h", "D:", "name", "h"},
        SplitCase{PathStyle::Windows, "file.", "", "file", ""},
        SplitCase{PathStyle::Windows, R"(C:\a\b.tar.gz)", R"(C:\a\)", "b.tar", "gz"},
        // '/' is no separator under the Windows rules.
        SplitCase{PathStyle::Windows, "src/a.cpp", "", "src/a", "cpp"},
        SplitCase{PathStyle::Windows, R"(\\server\share\)", R"(\\server\share\)", "", ""},
        SplitCase{PathStyle::Windows, "", "", "", ""},
        SplitCase{PathStyle::Posix, "/home/u/src.old/file", "/home/u/src.old/", "file", ""},
        SplitCase{PathStyle::Posix, "/x/a.cpp", "/x/", "a", "cpp"},
        SplitCase{PathStyle::Posix, "a:b.h", "", "a:b", "h"},
        SplitCase{PathStyle::Posix, "dir\\name.h", "", "dir\\name", "h"},
        SplitCase{PathStyle::Posix, ".hidden", "", "", "hidden"},
        SplitCase{PathStyle::Posix, "/", "/", "", ""}));

TEST(ExtensionListTest, ComparesTheTextAfterTheLastDotIgnoringCase) {
    const std::vector<std::string> source{"cpp", "cc"};
    EXPECT_TRUE(MatchesExtensionList(R"(C:\x\A.CPP)", source));
    EXPECT_TRUE(MatchesExtensionList("/x/a.Cc", source));
    EXPECT_FALSE(MatchesExtensionList("/x/a.cpp.txt", source));
    EXPECT_FALSE(MatchesExtensionList("/x/a.cp", source));
    EXPECT_FALSE(MatchesExtensionList("a.cpp", {}));
    // Without a dot the whole text is the extension.
    EXPECT_TRUE(MatchesExtensionList("cpp", source));
    // The dot is looked for in the whole path, directories included.
    EXPECT_TRUE(MatchesExtensionList("/src.cpp/Makefile", {"cpp/Makefile"}));
}

}  // namespace
}  // namespace editor
