// The clean-up over a scripted directory tree: search order, links as leaves, sizes past
// 32 bits, the progress range and what the deletion is handed; the folder the dialog takes.
#include <gtest/gtest.h>

#include <map>

#include "commands/files/clean_dialog.h"
#include "commands/files/clean_search.h"
#include "settings/memory_profile_store.h"
#include "support/quiet_terminal.h"

namespace commands::files {
namespace {

using Strings = std::vector<std::string>;
using sys::EntryKind;

// Directories by their path from the root ("r", "r/sub"); every listing and deletion is kept.
struct Tree : testing_support::QuietTerminal {
    std::map<std::string, sys::DirectoryListing> directories;
    std::map<std::string, int> listed;
    Strings deletedPaths;
    std::vector<sys::FileId> deletedThrough;  // the ids of the deepest step
    sys::DeleteOutcome outcome = sys::DeleteOutcome::kDeleted;
    std::uint64_t progressMaximum = 0;
    std::uint64_t progressPosition = 0;

    void Add(const std::string& path, std::vector<sys::DirectoryEntry> entries) {
        directories[path] = {{1, directories.size() + 1}, std::move(entries)};
    }
    static std::string Join(std::span<const sys::PathStep> steps) {
        std::string path;
        for (const sys::PathStep& step : steps)
            path += (path.empty() ? "" : "/") + step.name;
        return path;
    }
    std::optional<sys::DirectoryListing> ListDirectory(std::span<const sys::PathStep> steps,
                                                       const sys::SizeWanted& sized) override {
        const std::string path = Join(steps);
        ++listed[path];
        const auto found = directories.find(path);
        if (found == directories.end())
            return std::nullopt;
        sys::DirectoryListing listing = found->second;  // sizes only where asked, as on POSIX
        for (sys::DirectoryEntry& entry : listing.entries)
            entry.size = !sized || sized(entry.name) ? entry.size : 0;
        return listing;
    }
    sys::DeleteOutcome DeleteListedFile(std::span<const sys::PathStep> steps,
                                        const std::string& name) override {
        deletedPaths.push_back(Join(steps) + "/" + name);
        deletedThrough.push_back(steps.back().id);
        return outcome;
    }
    void ProgressChanged(ProgressDlg& progress) override {
        progressMaximum = progress.Maximum();
        progressPosition = progress.Position();
    }
};

sys::DirectoryEntry File(const char* name, std::uint64_t size = 1) {
    return {name, EntryKind::kFile, size};
}
sys::DirectoryEntry Dir(const char* name) {
    return {name, EntryKind::kDirectory, 0};
}
sys::DirectoryEntry Link(const char* name) {
    return {name, EntryKind::kLink, 0};
}

Strings Paths(const CleanList& list) {
    Strings paths;
    for (const CleanList::File& file : list.files)
        paths.push_back(file.path);
    return paths;
}

CleanList Search(Tree& tree, const std::string& types, bool recursive = true) {
    ProgressDlg progress(tree);
    return SearchForFiles(tree, progress, "r", recursive, types, editor::PathStyle::Posix);
}

class CleanSearch : public testing::Test {
  protected:
    void SetUp() override {
        tree.Add("r", {File("a.obj"), File("a.pdb"), Dir("b"), File("c.obj"), Link("d.obj"),
                       Link("e"), Dir("x.obj"), File("y.txt")});
        tree.Add("r/b", {File("b.obj"), Dir("deep")});
        tree.Add("r/b/deep", {File("z.pdb")});
        tree.Add("r/x.obj", {File("in.obj")});
        tree.Add("r/e", {File("outside.obj")});  // reached only through the link
    }
    Tree tree;
};

// A file matching two fields, listed twice, is a golden case (clean-lists-*).
TEST_F(CleanSearch, OwnMatchesFieldByFieldThenSubdirectoriesDepthFirst) {
    const struct {
        const char* types;
        bool recursive;
        Strings paths;
    } cases[] = {
        {"*.obj; *.pdb",
         true,
         {"r/a.obj", "r/c.obj", "r/a.pdb", "r/b/b.obj", "r/b/deep/z.pdb", "r/x.obj/in.obj"}},
        {"*.obj", false, {"r/a.obj", "r/c.obj"}},
        {" ; ", true, {}},
    };
    for (const auto& c : cases) {
        tree.listed.clear();
        EXPECT_EQ(Paths(Search(tree, c.types, c.recursive)), c.paths) << c.types;
        // Each directory read once whatever the fields; never one behind a link.
        const std::map<std::string, int> once =
            c.recursive
                ? std::map<std::string, int>{{"r", 1}, {"r/b", 1}, {"r/b/deep", 1}, {"r/x.obj", 1}}
                : std::map<std::string, int>{{"r", 1}};
        EXPECT_EQ(tree.listed, once) << c.types;
    }
}

// The sizes' units are FormatSize's; here the total must hold past 32 bits.
TEST_F(CleanSearch, ConfirmationListsEveryPathWithCountAndTotal) {
    const std::pair<std::vector<std::uint64_t>, const char*> cases[] = {
        {{3221225472, 3221225472}, "Total: 2 files, 6GB"},
        {{}, "Total: 0 files, 0B"},
    };
    for (const auto& [sizes, total] : cases) {
        std::vector<sys::DirectoryEntry> entries;
        for (const std::uint64_t size : sizes)
            entries.push_back(File(entries.empty() ? "p.obj" : "q.obj", size));
        tree.directories.clear();  // none: the root cannot even be listed
        if (!entries.empty())
            tree.Add("r", entries);
        std::string expected = "Files that will be DELETED:\r\n\r\n";
        for (const sys::DirectoryEntry& entry : entries)
            expected += "r/" + entry.name + "\r\n";
        EXPECT_EQ(ConfirmationText(Search(tree, "*.obj", false)),
                  expected + "\r\n" + total + "\r\n");
    }
}

TEST_F(CleanSearch, DeletionCountsOverTheFullRangeThroughTheListedDirectories) {
    std::vector<sys::DirectoryEntry> many;
    for (int i = 0; i < 70000; ++i)
        many.push_back({"f" + std::to_string(i) + ".obj", EntryKind::kFile, 1});
    tree.Add("r/b", many);
    const CleanList list = Search(tree, "*.obj");
    ASSERT_EQ(list.files.size(), 70003u);

    // The other outcomes are counted on a real tree (the POSIX clean-up faults).
    tree.outcome = sys::DeleteOutcome::kFailed;
    ProgressDlg progress(tree);
    const DeleteSummary summary = DeleteFiles(tree, progress, list);
    EXPECT_EQ(std::tie(summary.deleted, summary.gone, summary.changed, summary.failed),
              std::make_tuple(0u, 0u, 0u, 70003u));
    EXPECT_EQ(tree.progressMaximum, 70003u);
    EXPECT_EQ(tree.progressPosition, 70003u);
    EXPECT_EQ(tree.deletedPaths[2], "r/b/f0.obj");
    EXPECT_EQ(tree.deletedPaths.back(), "r/x.obj/in.obj");
    // Each deletion names the directories as they were when listed.
    EXPECT_EQ(tree.deletedThrough[0], tree.directories["r"].id);
    EXPECT_EQ(tree.deletedThrough[2], tree.directories["r/b"].id);
    EXPECT_EQ(tree.deletedThrough.back(), tree.directories["r/x.obj"].id);
}

TEST_F(CleanSearch, BrowseTakesOnlyAFolderWithAPathOfAtMost260Characters) {
    settings::MemoryProfileStore store;
    settings::CRegistry registry(store);
    CleanDlg dialog(tree, registry);
    const struct {
        std::string answer;
        bool taken;
    } cases[] = {{"/tmp", true},
                 {"", false},
                 {"/" + std::string(259, 'd'), true},
                 {"/" + std::string(260, 'd'), false}};
    for (const auto& c : cases) {
        dialog.SetDirectory("before");
        tree.answers = posix::AnswerQueue({c.answer});
        EXPECT_EQ(dialog.Browse(), c.taken) << c.answer.size();
        EXPECT_EQ(dialog.Inputs().directory, c.taken ? c.answer : "before");
    }
}

}  // namespace
}  // namespace commands::files
