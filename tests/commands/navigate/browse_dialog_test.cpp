// The Browse dialog over the workbench: the level it opens on, the fallbacks, walking up and
// down, what it opens, and how keys and typing reach the filter and the list.
#include "commands/navigate/browse_dialog.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "settings/memory_profile_store.h"
#include "support/quiet_terminal.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace commands::navigate {
namespace {

using Strings = std::vector<std::string>;

constexpr char kMain[] = "int alpha()\n{\n    return 1;\n}\n\nint beta()\n{\n    return 2;\n}\n";

class BrowseDialogTest : public ::testing::Test {
  protected:
    BrowseDialogTest() {
        main_ = dir_.Write("app/main.cpp", kMain).string();
        util_ = dir_.Write("app/util.h", "inline int gamma()\n{\n    return 3;\n}\n").string();
        readme_ = dir_.Write("app/readme.txt", "text\n").string();
        empty_ = dir_.Write("app/empty.cpp", "// nothing here\n").string();
        lib_ = dir_.Write("lib/lib.cpp", "void delta()\n{\n}\n").string();
        lone_ = dir_.Write("lone.cpp", "void lone()\n{\n}\n").string();
        settings_.sourceExtensions = {"cpp"};
        settings_.headerExtensions = {"h"};
    }

    void MakeSolution() {
        auto solution = bench_.NewSolution(Path("ws.sln"));
        auto app = solution->AddProject("zeta", Path("app/app.proj"));
        for (const std::string& file : {main_, util_, readme_, empty_})
            app->Items().AddFile(file);
        solution->AddProject("Alpha", Path("lib/lib.proj"))->Items().AddFile(lib_);
        solution->AddProject("", Path("nameless.proj"));
    }
    std::string Path(const std::string& relative) const {
        return (dir_.Path() / relative).string();
    }
    void OpenAt(const std::string& path, long line) {
        std::string error;
        ASSERT_TRUE(bench_.SetSelection(bench_.OpenFile(path, error), line, 1, line, 1, error))
            << error;
    }
    BrowseDialog& Dialog() {
        dialog_.emplace(context_, &registry_);
        return *dialog_;
    }
    static Strings Rows(const BrowseDialog& dialog) {
        Strings rows;
        for (std::size_t i = 0; i < dialog.RowCount(); ++i)
            rows.push_back(dialog.RowText(i));
        return rows;
    }

    testing_support::TempDir dir_;
    testing_support::QuietTerminal platform_;
    settings::Settings settings_;
    settings::MemoryProfileStore profile_;
    settings::CRegistry registry_{profile_};
    workbench::Workbench bench_;
    CommandContext context_{&bench_, platform_, settings_, nullptr, &registry_};
    std::optional<BrowseDialog> dialog_;
    std::string main_, util_, readme_, empty_, lib_, lone_;
};

TEST_F(BrowseDialogTest, WalksUpAndDownTheLevels) {
    MakeSolution();
    OpenAt(main_, 7);
    BrowseDialog& dialog = Dialog();
    ASSERT_TRUE(dialog.Open());
    struct Step {
        char action;  // U up, D down, F filter edited to `text`
        std::string text;
        int level;
        Strings rows;
        BrowseRow selected;
        std::string status, title;
    } steps[] = {
        {'-', "", 2, {"alpha", "beta"}, 1, " File: main.cpp", "Browse - main.cpp"},
        {'U',
         "",
         1,
         {"empty.cpp", "main.cpp", "readme.txt", "util.h"},
         1,
         " Project: app",
         "Browse - app"},
        {'U', "", 0, {"Alpha", "zeta"}, 1, " Solution: ws", "Browse"},
        {'F', "AL", 0, {"Alpha"}, 0, " Solution: ws", "Browse"},
        {'D', "", 1, {"lib.cpp"}, 0, " Project: lib", "Browse - lib"},
        {'D', "", 2, {"delta"}, 0, " File: lib.cpp", "Browse - lib.cpp"},
        {'U', "", 1, {"lib.cpp"}, 0, " Project: lib", "Browse - lib"},
        {'U', "", 0, {"Alpha", "zeta"}, 0, " Solution: ws", "Browse"},
        {'U', "", 0, {"Alpha", "zeta"}, 0, " Solution: ws", "Browse"},
        {'F', "z", 0, {"zeta"}, 0, " Solution: ws", "Browse"},
        {'D',
         "",
         1,
         {"empty.cpp", "main.cpp", "readme.txt", "util.h"},
         0,
         " Project: app",
         "Browse - app"},
        {'F', "em", 1, {"empty.cpp"}, 0, " Project: app", "Browse - app"},
    };
    for (const Step& step : steps) {
        if (step.action == 'U')
            dialog.GoUp();
        else if (step.action == 'D')
            dialog.GoDown();
        else if (step.action == 'F')
            dialog.FilterEdited(step.text);
        EXPECT_EQ(dialog.Level(), step.level) << step.action << step.status;
        EXPECT_EQ(Rows(dialog), step.rows) << step.action << step.status;
        EXPECT_EQ(dialog.Selected(), step.selected) << step.action << step.status;
        EXPECT_EQ(dialog.StaticText(), step.status) << step.action;
        EXPECT_EQ(dialog.Title(), step.title) << step.action << step.status;
        EXPECT_EQ(dialog.End(), BrowseEnd::Running);
    }
    // A file without members falls back to the files, and the file is opened.
    dialog.GoDown();
    EXPECT_EQ(dialog.End(), BrowseEnd::Ok);
    EXPECT_EQ(bench_.ActiveDocument()->FullName(), empty_);
}

TEST_F(BrowseDialogTest, OpensOnTheLevelThatCanBeShown) {
    struct Case {
        bool solution;
        std::string active;  // empty: no document
        bool opens;
        int level;
        Strings rows;
        BrowseRow selected;
    } cases[] = {
        // No document first: the workbench cannot close one.
        {false, "", false, 0, {}, std::nullopt},
        {true, "", true, 1, {"empty.cpp", "main.cpp", "readme.txt", "util.h"}, 0},
        {false, "readme", false, 0, {}, std::nullopt},
        {false, "empty", false, 0, {}, std::nullopt},
        {false, "lone", true, 2, {"lone"}, 0},
        {true, "readme", true, 1, {"empty.cpp", "main.cpp", "readme.txt", "util.h"}, 2},
        {true, "empty", true, 1, {"empty.cpp", "main.cpp", "readme.txt", "util.h"}, 0},
        {true, "lib", true, 2, {"delta"}, 0},
    };
    for (const Case& c : cases) {
        bench_.CloseSolution();
        if (c.solution)
            MakeSolution();
        const std::map<std::string, std::string> files = {
            {"readme", readme_}, {"empty", empty_}, {"lone", lone_}, {"lib", lib_}};
        if (!c.active.empty())
            OpenAt(files.at(c.active), 1);
        BrowseDialog& dialog = Dialog();
        EXPECT_EQ(dialog.Open(), c.opens) << c.active << c.solution;
        EXPECT_EQ(dialog.End(), c.opens ? BrowseEnd::Running : BrowseEnd::Cancel);
        if (!c.opens)
            continue;
        EXPECT_EQ(dialog.Level(), c.level) << c.active << c.solution;
        EXPECT_EQ(Rows(dialog), c.rows) << c.active << c.solution;
        EXPECT_EQ(dialog.Selected(), c.selected) << c.active << c.solution;
    }
}

TEST_F(BrowseDialogTest, KeysAndTypingGoWhereTheyBelong) {
    MakeSolution();
    OpenAt(main_, 1);
    using enum BrowseFocus;
    using enum BrowseKey;
    using enum KeyOutcome;
    // The cursor keys move the focus to the list; on an empty filter Backspace and Left go up.
    struct Case {
        BrowseFocus focus;
        std::string filter;
        BrowseKey key;
        KeyOutcome outcome;
        int level;
    } cases[] = {
        {List, "", Backspace, Swallowed, 1}, {Filter, "", Left, Swallowed, 1},
        {Filter, "a", Backspace, Normal, 2}, {List, "a", Left, Normal, 2},
        {Filter, "", Down, ToList, 2},       {Filter, "a", PageUp, ToList, 2},
        {List, "", End, Normal, 2},
    };
    for (const Case& c : cases) {
        BrowseDialog& dialog = Dialog();
        ASSERT_TRUE(dialog.Open());
        dialog.FilterEdited(c.filter);
        dialog.FocusMoved(c.focus);
        EXPECT_EQ(dialog.KeyDown(c.key), c.outcome) << static_cast<int>(c.key) << c.filter;
        EXPECT_EQ(dialog.Focus(), c.outcome == ToList ? List : c.focus) << c.filter;
        EXPECT_EQ(dialog.Level(), c.level) << static_cast<int>(c.key) << c.filter;
    }

    // Typed on the list, letters, digits, blanks and Backspace edit the filter; the rest do not,
    // nor does anything typed in the filter edit itself (the edit takes it).
    struct Typed {
        std::string filter;
        char c;
        std::string filterAfter;  // empty: not taken
    } typed[] = {
        {"", 'b', "b"},    {"a", '7', "a7"}, {"a", ' ', "a "},
        {"ab", '\b', "a"}, {"", '\b', ""},   {"a", '_', ""},
    };
    for (const Typed& t : typed) {
        for (const BrowseFocus focus : {List, Filter}) {
            BrowseDialog& dialog = Dialog();
            ASSERT_TRUE(dialog.Open());
            dialog.FilterEdited(t.filter);
            dialog.FocusMoved(focus);
            const bool taken = focus == List && !t.filterAfter.empty();
            EXPECT_EQ(dialog.CharTyped(t.c), taken) << t.filter << t.c;
            EXPECT_EQ(dialog.Filter(), taken ? t.filterAfter : t.filter) << t.filter << t.c;
            EXPECT_EQ(dialog.Focus(), taken ? Filter : focus) << t.filter << t.c;
        }
    }
}

}  // namespace
}  // namespace commands::navigate
