#include "editor/split_path.h"

#include <gtest/gtest.h>

#include "editor/extension_list.h"

namespace editor {
namespace {

TEST(SplitPathTest, SplitsAtTheLastDirectoryEndInBothStyles) {
    struct Case {
        PathStyle style;
        const char* path;
        PathParts parts;  // directory, base name, extension
    } cases[] = {
        // The dot of a directory does not start an extension.
        {PathStyle::Windows, R"(D:\src.old\file)", {R"(D:\src.old\)", "file", ""}},
        // A drive colon ends the directory.
        {PathStyle::Windows, "D:name.h", {"D:", "name", "h"}},
        {PathStyle::Windows, "file.", {"", "file", ""}},
        {PathStyle::Windows, R"(C:\a\b.tar.gz)", {R"(C:\a\)", "b.tar", "gz"}},
        // '/' is no separator under the Windows rules.
        {PathStyle::Windows, "src/a.cpp", {"", "src/a", "cpp"}},
        {PathStyle::Windows, "", {"", "", ""}},
        {PathStyle::Posix, "/home/u/src.old/file", {"/home/u/src.old/", "file", ""}},
        {PathStyle::Posix, "a:b.h", {"", "a:b", "h"}},
        {PathStyle::Posix, "dir\\name.h", {"", "dir\\name", "h"}},
        {PathStyle::Posix, ".hidden", {"", "", "hidden"}},
    };
    for (const Case& c : cases) {
        const PathParts parts = SplitPath(c.path, c.style);
        const std::string shown = std::string(PathStyleName(c.style)) + " " + c.path;
        EXPECT_EQ(parts.directory, c.parts.directory) << shown;
        EXPECT_EQ(parts.baseName, c.parts.baseName) << shown;
        EXPECT_EQ(parts.extension, c.parts.extension) << shown;
    }
}

TEST(ExtensionListTest, ComparesTheTextAfterTheLastDotIgnoringCase) {
    const std::vector<std::string> source{"cpp", "cc"};
    EXPECT_TRUE(MatchesExtensionList(R"(C:\x\A.CPP)", source));
    EXPECT_TRUE(MatchesExtensionList("/x/a.Cc", source));
    EXPECT_FALSE(MatchesExtensionList("/x/a.cpp.txt", source));
    EXPECT_FALSE(MatchesExtensionList("a.cpp", {}));
    // Without a dot the whole text is the extension.
    EXPECT_TRUE(MatchesExtensionList("cpp", source));
    // The dot is looked for in the whole path, directories included.
    EXPECT_TRUE(MatchesExtensionList("/src.cpp/Makefile", {"cpp/Makefile"}));
}

}  // namespace
}  // namespace editor
