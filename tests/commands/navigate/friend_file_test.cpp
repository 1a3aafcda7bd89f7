// Friend-file resolution in both path styles: the directory rules as string functions, the
// search over a scripted Windows file system and over real directory trees.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "commands/navigate/environment_reference.h"
#include "commands/navigate/friend_directory.h"
#include "commands/navigate/friend_path.h"
#include "support/quiet_terminal.h"
#include "support/temp_dir.h"

namespace commands::navigate {
namespace {

using editor::PathStyle;
using Strings = std::vector<std::string>;

// The terminal's platform with an environment table and scripted files laid over the real
// ones; every file query is kept.
class ScriptedPlatform : public testing_support::QuietTerminal {
  public:
    std::map<std::string, std::string> environment;
    std::set<std::string> files;
    std::set<std::string> directories;
    Strings queries;

    std::optional<std::string> GetEnvironmentVariable(const std::string& name) override {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<sys::FileInfo> FindFirstFile(const std::string& path) override {
        queries.push_back(path);
        if (files.contains(path) || directories.contains(path))
            return sys::FileInfo{path, directories.contains(path), false, 0};
        return QuietTerminal::FindFirstFile(path);
    }
};

settings::Settings Lists(Strings friendDirectories, Strings headers = {"h", "hpp"}) {
    settings::Settings lists;
    lists.sourceExtensions = {"cpp", "c", "cc"};
    lists.headerExtensions = std::move(headers);
    lists.friendFileDirectories = std::move(friendDirectories);
    return lists;
}

TEST(FriendDirectoryTest, CombinesWithTheDocumentDirectory) {
    // An absolute entry stands alone; only the style's separator counts.
    struct Case {
        PathStyle style;
        std::string directory, entry, expected;
    } cases[] = {
        {PathStyle::Windows, "D:\\p\\q\\src\\", "..\\..\\include\\", "D:\\p\\include\\"},
        {PathStyle::Windows, "D:\\p\\q\\src\\", "E:\\common\\", "E:\\common\\"},
        {PathStyle::Windows, "D:\\p\\", "\\\\server\\s\\", "\\\\server\\s\\"},
        {PathStyle::Windows, "D:\\p\\", "\\", "\\"},
        {PathStyle::Windows, "D:\\p\\", "E", "D:\\p\\E"},
        {PathStyle::Windows, "D:\\a\\", "..\\..\\..\\x\\", "D:\\x\\"},
        {PathStyle::Windows, "D:", "..\\x\\", "D:\\x\\"},
        {PathStyle::Windows, "D:\\p\\src\\", ".\\.\\..\\x\\", "D:\\p\\x\\"},
        {PathStyle::Windows, "D:\\p\\src\\", "..\\.\\x\\", "D:\\p\\.\\x\\"},
        {PathStyle::Windows, "D:\\p\\src\\", "../x/", "D:\\p\\src\\../x/"},
        {PathStyle::Windows, "D:\\p\\src\\", "/usr/", "D:\\p\\src\\/usr/"},
        {PathStyle::Windows, "D:\\p\\src\\", "", "D:\\p\\src\\"},
        {PathStyle::Windows, "", "..\\x\\", "x\\"},
        {PathStyle::Posix, "/p/q/src/", "../../include/", "/p/include/"},
        {PathStyle::Posix, "/p/", "//server/", "//server/"},
        {PathStyle::Posix, "/p/", "E:/common/", "/p/E:/common/"},
        {PathStyle::Posix, "/a/", "../../../x/", "/x/"},
        {PathStyle::Posix, "/p/src/", "../../../", "/"},
        {PathStyle::Posix, "/p/src/", "../x/../y/", "/p/x/../y/"},
        {PathStyle::Posix, "/p/src/", "..\\x\\", "/p/src/..\\x\\"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CombineDirectory(c.directory, c.entry, c.style), c.expected)
            << editor::PathStyleName(c.style) << " '" << c.directory << "' + '" << c.entry << "'";
}

TEST(EnvironmentReferenceTest, ExpandsOnlyTheFirstCompleteReference) {
    ScriptedPlatform platform;
    platform.environment = {{"INC", "D:\\inc"},
                            {"A", "D:\\x"},
                            {"A(B)", "nested"},
                            {"SELF", "$$(SELF)"},
                            {"FITS", std::string(kMaxEnvironmentValue, 'f')},
                            {"LONG", std::string(kMaxEnvironmentValue + 1, 'l')}};
    const std::pair<std::string, std::string> cases[] = {
        {"$$(UNSET)\\", "\\"},
        {"$$(A)$$(B)\\", "D:\\x$$(B)\\"},
        {"..\\$$(A(B))\\", "..\\nested\\"},
        {"$$$(INC)", "$D:\\inc"},
        {"$$(SELF)\\", "$$(SELF)\\"},
        {"$$(FITS)", std::string(kMaxEnvironmentValue, 'f')},
        {"$$(LONG)\\x", "\\x"},
        {"$$(A$$(B)", "$$(A$$(B)"},
        {"$(INC)\\", "$(INC)\\"},
    };
    for (const auto& [entry, expected] : cases)
        EXPECT_EQ(ExpandEnvironmentReference(entry, platform), expected) << entry;
}

TEST(FindFriendFileTest, TriesEveryPlaceInOrderForOneExtensionBeforeTheNext) {
    ScriptedPlatform platform;
    EXPECT_EQ(FindFriendFile("D:\\src\\a.h", Lists({"..\\one\\", "..\\two\\"}), platform,
                             PathStyle::Windows),
              "");
    EXPECT_EQ(platform.queries, (Strings{"D:\\src\\a.cpp", "D:\\one\\a.cpp", "D:\\two\\a.cpp",
                                         "D:\\src\\a.c", "D:\\one\\a.c", "D:\\two\\a.c",
                                         "D:\\src\\a.cc", "D:\\one\\a.cc", "D:\\two\\a.cc"}));
}

TEST(FindFriendFileTest, Places) {
    // Written with '/': Windows rows run on a scripted file system below "D:" with '\' for
    // '/', Posix rows on a real tree ("{R}" in an entry is its root). A trailing '/' makes a
    // directory; the expected path is relative to the root, empty for none.
    constexpr PathStyle W = PathStyle::Windows, P = PathStyle::Posix;
    const struct {
        PathStyle style;
        std::string name, document;
        Strings files, entries;
        std::string expected;
        Strings headers = {"h", "hpp"};
    } cases[] = {
        {W, "header beside", "src/a.cpp", {"src/a.h", "src/a.hpp"}, {}, "src/a.h"},
        {W, "second header extension", "src/a.cpp", {"src/a.hpp"}, {}, "src/a.hpp"},
        {W, "upper-case header", "src/a.H", {"src/a.cpp"}, {}, "src/a.cpp"},
        {W, "idl finds a source", "src/x.idl", {"src/x.h", "src/x.cc"}, {}, "src/x.cc"},
        {W,
         "entry naming a directory",
         "p/src/a.h",
         {"p/inc/", "p/inc/a.cpp", "p/inca.cpp"},
         {"../inc"},
         "p/inc/a.cpp"},
        {W,
         "entry naming none: literal",
         "p/src/a.h",
         {"p/inc/a.cpp", "p/inca.cpp"},
         {"../inc"},
         "p/inca.cpp"},
        {W, "none", "src/a.h", {"src/b.cpp", "src/a.h"}, {"../inc/"}, ""},
        {P, "relative entry", "p/q/src/a.h", {"p/inc/a.cpp"}, {"../../inc/"}, "p/inc/a.cpp"},
        {P, "absolute", "src/a.h", {"common/a.cpp"}, {"{R}/common/"}, "common/a.cpp"},
        {P, "variable set", "src/a.h", {"inc/a.cpp"}, {"$$(INC)/"}, "inc/a.cpp"},
        {P,
         "entry naming a directory",
         "src/a.h",
         {"inc/a.cpp", "inca.cpp"},
         {"../inc"},
         "inc/a.cpp"},
        {P, "entry naming a file: literal", "src/a.h", {"inc", "inca.cpp"}, {"../inc"}, "inca.cpp"},
        {P, "a directory is no friend", "src/a.h", {"src/a.cpp/", "src/a.c"}, {}, "src/a.c"},
        {P, "extension in other case", "Camel.H", {"Camel.CPP", "Camel.cc"}, {}, "Camel.CPP"},
        {P, "other case, header", "Camel.CPP", {"Camel.H"}, {}, "Camel.H"},
        {P, "exact case wins", "Camel.h", {"Camel.CPP", "Camel.cpp"}, {}, "Camel.cpp"},
        {P, "base name keeps its case", "Camel.h", {"camel.cpp", "CAMEL.CPP"}, {}, ""},
        {P, "other case in a friend directory", "src/a.h", {"inc/a.Cpp"}, {"../inc/"}, "inc/a.Cpp"},
        {P, "file without extension", "src/makefile", {"src/makefile.c"}, {}, "src/makefile.c"},
        {P, "no header list", "src/a.cpp", {"src/a.h"}, {}, "", {}},
    };
    for (const auto& c : cases) {
        testing_support::TempDir tree;
        ScriptedPlatform scripted;
        const bool windows = c.style == W;
        const std::string root = windows ? "D:" : tree.Path().string();
        const auto native = [&](std::string path) {
            if (windows)
                std::replace(path.begin(), path.end(), '/', '\\');
            return path;
        };
        for (const std::string& file : c.files) {
            const bool directory = file.ends_with('/');
            if (windows)
                (directory ? scripted.directories : scripted.files)
                    .insert(native(root + "/" + file.substr(0, file.size() - directory)));
            else if (directory)
                std::filesystem::create_directories(tree.Path() / file);
            else
                tree.Write(file, "");
        }
        Strings entries;
        for (std::string entry : c.entries)
            entries.push_back(native(entry.starts_with("{R}") ? entry.replace(0, 3, root) : entry));
        scripted.environment = {{"INC", root + "/inc"}};
        EXPECT_EQ(FindFriendFile(native(root + "/" + c.document), Lists(entries, c.headers),
                                 scripted, c.style),
                  c.expected.empty() ? "" : native(root + "/" + c.expected))
            << editor::PathStyleName(c.style) << ": " << c.name;
    }
}

}  // namespace
}  // namespace commands::navigate
