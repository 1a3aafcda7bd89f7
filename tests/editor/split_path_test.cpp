#include "editor/split_path.h"

#include <gtest/gtest.h>

#include "editor/extension_list.h"

namespace editor {
namespace {

TEST(SplitPathTest, SplitsAtTheLastDirectoryEndInBothStyles) {
    const struct {
        PathStyle style;
        const char* path;
        const char* parts;  // directory|base name|extension
    } cases[] = {
        // The dot of a directory does not start an extension.
        {PathStyle::Windows, R"(D:\src.old\file)", R"(D:\src.old\|file|)"},
        {PathStyle::Windows, "D:name.h", "D:|name|h"},  // a drive colon ends the directory
        {PathStyle::Windows, "file.", "|file|"},
        {PathStyle::Windows, R"(C:\a\b.tar.gz)", R"(C:\a\|b.tar|gz)"},
        {PathStyle::Windows, "src/a.cpp", "|src/a|cpp"},  // '/' is no separator here
        {PathStyle::Windows, "", "||"},
        {PathStyle::Posix, "/home/u/src.old/file", "/home/u/src.old/|file|"},
        {PathStyle::Posix, "a:b.h", "|a:b|h"},
        {PathStyle::Posix, "dir\\name.h", "|dir\\name|h"},
        {PathStyle::Posix, ".hidden", "||hidden"},
    };
    for (const auto& c : cases) {
        const PathParts parts = SplitPath(c.path, c.style);
        EXPECT_EQ(parts.directory + "|" + parts.baseName + "|" + parts.extension, c.parts)
            << PathStyleName(c.style) << " " << c.path;
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
