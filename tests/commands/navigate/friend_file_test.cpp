// Friend-file resolution in both path styles: the directory rules as string functions, the
// search over a scripted Windows file system and over real directory trees.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "commands/navigate/environment_reference.h"
#include "commands/navigate/friend_directory.h"
#include "commands/navigate/friend_path.h"
#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "support/temp_dir.h"

namespace commands::navigate {
namespace {

using editor::PathStyle;
using Strings = std::vector<std::string>;
using Environment = std::map<std::string, std::string>;

// The environment from a table; the file system from sets of paths, or the real one. Every
// file query is kept, in order.
class ScriptedPlatform : public sys::Platform {
  public:
    Environment environment;
    std::set<std::string> files;
    std::set<std::string> directories;
    sys::Platform* disk = nullptr;
    Strings queries;

    int MessageBox(const std::string&, const std::string&, unsigned) override { return 0; }
    void Beep() override {}
    int TrackPopupMenu(const ui::PopupMenu&) override { return 0; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::optional<std::string> GetEnvironmentVariable(const std::string& name) override {
        const auto found = environment.find(name);
        return found == environment.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> ReadFile(const std::string&) override { return {}; }
    std::optional<sys::FileInfo> FindFirstFile(const std::string& path) override {
        queries.push_back(path);
        if (disk != nullptr)
            return disk->FindFirstFile(path);
        if (files.contains(path) || directories.contains(path))
            return sys::FileInfo{path, directories.contains(path), false, 0};
        return std::nullopt;
    }
    std::optional<std::string> ModuleFileName() override { return {}; }
};

settings::Settings Lists(Strings friendDirectories, Strings headers = {"h", "hpp"}) {
    settings::Settings lists;
    lists.sourceExtensions = {"cpp", "c", "cc"};
    lists.headerExtensions = std::move(headers);
    lists.friendFileDirectories = std::move(friendDirectories);
    return lists;
}

TEST(FriendDirectoryTest, AbsoluteEntries) {
    const auto check = [](PathStyle style, const Strings& absolute, const Strings& relative) {
        for (const std::string& entry : absolute)
            EXPECT_TRUE(IsAbsoluteDirectory(entry, style)) << entry;
        for (const std::string& entry : relative)
            EXPECT_FALSE(IsAbsoluteDirectory(entry, style)) << entry;
    };
    check(PathStyle::Windows, {"E:\\common\\", "\\\\server\\s\\", "\\"},
          {"..\\inc\\", "/usr/", "E", ""});
    check(PathStyle::Posix, {"/", "//server/"}, {"./inc/", "\\inc\\", "E:/common/"});
}

TEST(FriendDirectoryTest, CombinesWithTheDocumentDirectory) {
    struct Case {
        PathStyle style;
        std::string directory, entry, expected;
    } cases[] = {
        {PathStyle::Windows, "D:\\p\\q\\src\\", "..\\..\\include\\", "D:\\p\\include\\"},
        {PathStyle::Windows, "D:\\p\\q\\src\\", "E:\\common\\", "E:\\common\\"},
        {PathStyle::Windows, "D:\\a\\", "..\\..\\..\\x\\", "D:\\x\\"},
        {PathStyle::Windows, "D:", "..\\x\\", "D:\\x\\"},
        {PathStyle::Windows, "D:\\p\\src\\", ".\\.\\..\\x\\", "D:\\p\\x\\"},
        {PathStyle::Windows, "D:\\p\\src\\", "..\\.\\x\\", "D:\\p\\.\\x\\"},
        {PathStyle::Windows, "D:\\p\\src\\", "../x/", "D:\\p\\src\\../x/"},
        {PathStyle::Windows, "D:\\p\\src\\", "", "D:\\p\\src\\"},
        {PathStyle::Windows, "", "..\\x\\", "x\\"},
        {PathStyle::Posix, "/p/q/src/", "../../include/", "/p/include/"},
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

TEST(FindFriendFileTest, WindowsPlaces) {
    // Directory arithmetic is covered above; these are the search's own rules.
    const struct {
        std::string name, path;
        std::set<std::string> files;
        Strings entries;
        std::string expected;
    } cases[] = {
        {"header beside", "D:\\src\\a.cpp", {"D:\\src\\a.h", "D:\\src\\a.hpp"}, {}, "D:\\src\\a.h"},
        {"second header extension", "D:\\src\\a.cpp", {"D:\\src\\a.hpp"}, {}, "D:\\src\\a.hpp"},
        {"upper-case header", "D:\\src\\a.H", {"D:\\src\\a.cpp"}, {}, "D:\\src\\a.cpp"},
        {"variable unset: drive root", "D:\\src\\a.h", {"\\a.cpp"}, {"$$(NO)\\"}, "\\a.cpp"},
        {"no trailing backslash",
         "D:\\p\\src\\a.h",
         {"D:\\p\\inca.cpp"},
         {"..\\inc"},
         "D:\\p\\inca.cpp"},
        {"idl finds a source",
         "D:\\src\\x.idl",
         {"D:\\src\\x.h", "D:\\src\\x.cc"},
         {},
         "D:\\src\\x.cc"},
        {"other extension finds a source", "D:\\src\\x.txt", {"D:\\src\\x.c"}, {}, "D:\\src\\x.c"},
        {"none", "D:\\src\\a.h", {"D:\\src\\b.cpp", "D:\\src\\a.h"}, {"..\\inc\\"}, ""},
    };
    for (const auto& c : cases) {
        ScriptedPlatform platform;
        platform.files = c.files;
        EXPECT_EQ(FindFriendFile(c.path, Lists(c.entries), platform, PathStyle::Windows),
                  c.expected)
            << c.name;
    }
}

TEST(FindFriendFileTest, TriesEveryPlaceInOrderForOneExtensionBeforeTheNext) {
    ScriptedPlatform platform;
    EXPECT_EQ(FindFriendFile("D:\\src\\a.h", Lists({"..\\one\\", "..\\two\\"}), platform,
                             PathStyle::Windows),
              "");
    EXPECT_EQ(platform.queries, (Strings{"D:\\src\\a.cpp", "D:\\one\\a.cpp", "D:\\two\\a.cpp",
                                         "D:\\src\\a.c", "D:\\one\\a.c", "D:\\two\\a.c",
                                         "D:\\src\\a.cc", "D:\\one\\a.cc", "D:\\two\\a.cc"}));

    // No candidate extension: nothing is even looked for.
    platform.queries.clear();
    platform.files = {"D:\\src\\a.h"};
    EXPECT_EQ(FindFriendFile("D:\\src\\a.cpp", Lists({}, {}), platform, PathStyle::Windows), "");
    EXPECT_TRUE(platform.queries.empty());
}

// Real directory trees in the POSIX style; "{R}" stands for the tree's root.
class PosixTreeTest : public testing::Test {
  protected:
    PosixTreeTest() : disk_(answers_, errors_, input_, false) { platform_.disk = &disk_; }

    std::string Root() const { return dir_.Path().string(); }

    testing_support::TempDir dir_;
    posix::AnswerQueue answers_;
    std::ostringstream errors_;
    std::istringstream input_;
    posix::TerminalPlatform disk_;
    ScriptedPlatform platform_;
};

TEST_F(PosixTreeTest, Places) {
    const struct {
        std::string name, document;
        Strings files;  // a trailing '/' makes a directory
        Strings entries;
        std::string expected;  // relative to the root; empty for none
        Strings headers = {"h", "hpp"};
    } cases[] = {
        {"relative entry", "p/q/src/a.h", {"p/inc/a.cpp"}, {"../../inc/"}, "p/inc/a.cpp"},
        {"absolute", "src/a.h", {"common/a.cpp"}, {"{R}/common/"}, "common/a.cpp"},
        {"variable set", "src/a.h", {"inc/a.cpp"}, {"$$(INC)/"}, "inc/a.cpp"},
        {"a directory is no friend", "src/a.h", {"src/a.cpp/", "src/a.c"}, {}, "src/a.c"},
        {"file without extension", "src/makefile", {"src/makefile.c"}, {}, "src/makefile.c"},
        {"no header list", "src/a.cpp", {"src/a.h"}, {}, "", {}},
        {"none", "src/a.h", {"src/b.cpp", "inc/a.hpp"}, {"../inc/"}, ""},
    };
    for (const auto& c : cases) {
        testing_support::TempDir tree;
        for (const std::string& file : c.files) {
            if (file.ends_with('/'))
                std::filesystem::create_directories(tree.Path() / file);
            else
                tree.Write(file, "");
        }
        const std::string root = tree.Path().string();
        Strings entries;
        for (std::string entry : c.entries)
            entries.push_back(entry.starts_with("{R}") ? entry.replace(0, 3, root) : entry);
        platform_.environment = {{"INC", root + "/inc"}};

        const std::string expected = c.expected.empty() ? "" : root + "/" + c.expected;
        EXPECT_EQ(FindFriendFile(root + "/" + c.document, Lists(entries, c.headers), platform_,
                                 PathStyle::Posix),
                  expected)
            << c.name;
    }
}

TEST_F(PosixTreeTest, ClimbingAboveTheRootStopsThere) {
    dir_.Write("x/a.cpp", "");
    const std::string directory = Root() + "/a/";
    // One "../" per directory level, then two more than there are.
    const auto levels = std::count(directory.begin(), directory.end(), '/') - 1;
    std::string entry;
    for (long i = 0; i < levels + 2; ++i)
        entry += "../";
    entry += Root().substr(1) + "/x/";
    EXPECT_EQ(FindFriendFile(directory + "a.h", Lists({entry}), platform_, PathStyle::Posix),
              Root() + "/x/a.cpp");
}

TEST_F(PosixTreeTest, AnUnsetVariableLeavesTheRoot) {
    dir_.Write("src/zentrel-probe.h", "");
    FindFriendFile(Root() + "/src/zentrel-probe.h", Lists({"$$(INC)/"}), platform_,
                   PathStyle::Posix);
    const std::string beside = Root() + "/src/zentrel-probe.";
    EXPECT_EQ(platform_.queries, (Strings{beside + "cpp", "/zentrel-probe.cpp", beside + "c",
                                          "/zentrel-probe.c", beside + "cc", "/zentrel-probe.cc"}));
}

}  // namespace
}  // namespace commands::navigate
