// The Browse dialog over the workbench: walking up and down, what it opens, and how keys and typing
// reach the filter and the list.
#include "commands/navigate/browse_dialog.h"

#include <gtest/gtest.h>

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
    std::string main_, util_, readme_, empty_, lib_;
};

TEST_F(BrowseDialogTest, WalksUpAndDownTheLevels) {
    MakeSolution();
    OpenAt(main_, 7);
    BrowseDialog& dialog = Dialog();
    ASSERT_TRUE(dialog.Open());
    // The captions each level gives are golden cases (browse-*); here the file's name shows.
    const Strings app = {"empty.cpp", "main.cpp", "readme.txt", "util.h"};
    struct Step {
        char action;  // U up, D down, F filter edited to `text`
        std::string text;
        int level;
        Strings rows;
        BrowseRow selected;
        std::string status;
    } steps[] = {
        {'-', "", 2, {"alpha", "beta"}, 1, " File: main.cpp"},
        {'U', "", 1, app, 1, " Project: app"},
        {'U', "", 0, {"Alpha", "zeta"}, 1, " Solution: ws"},
        {'F', "AL", 0, {"Alpha"}, 0, " Solution: ws"},
        {'D', "", 1, {"lib.cpp"}, 0, " Project: lib"},
        {'D', "", 2, {"delta"}, 0, " File: lib.cpp"},
        {'U', "", 1, {"lib.cpp"}, 0, " Project: lib"},
        {'U', "", 0, {"Alpha", "zeta"}, 0, " Solution: ws"},
        {'U', "", 0, {"Alpha", "zeta"}, 0, " Solution: ws"},
        {'F', "z", 0, {"zeta"}, 0, " Solution: ws"},
        {'D', "", 1, app, 0, " Project: app"},
        {'F', "em", 1, {"empty.cpp"}, 0, " Project: app"},
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
        EXPECT_EQ(dialog.End(), BrowseEnd::Running);
    }
    EXPECT_EQ(dialog.Title(), "Browse - app");
    // A file without members falls back to the files, and the file is opened.
    dialog.GoDown();
    EXPECT_EQ(dialog.End(), BrowseEnd::Ok);
    EXPECT_EQ(bench_.ActiveDocument()->FullName(), empty_);
}

TEST_F(BrowseDialogTest, KeysAndTypingGoWhereTheyBelong) {
    // The level it opens on is in the golden cases (browse-*), whose solution has one project;
    // here the file is in the second project.
    MakeSolution();
    OpenAt(lib_, 1);
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
        EXPECT_EQ(dialog.StaticText(), c.level == 1 ? " Project: lib" : " File: lib.cpp");
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
