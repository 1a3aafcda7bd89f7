// Add Breakpoints against an IDE whose debugger records what it is asked; the lines it finds
// in real files are golden cases (add-breakpoints-*).
#include "commands/navigate/add_breakpoints.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "support/quiet_terminal.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace {

// The workbench's breakpoints, keeping every Add with all twelve arguments as the IDE
// receives them; `refuse` makes the IDE create none.
struct RecordingBreakpoints : ide::Breakpoints {
    long Count() override { return real->Count(); }
    ide::Ref<ide::Breakpoint> Item(long index) override { return real->Item(index); }
    ide::Ref<ide::BreakpointList> Add(const ide::BreakpointRequest& r) override {
        std::ostringstream call;
        call << '"' << r.function << "\" " << r.file << ' ' << r.line << ' ' << r.column << " \""
             << r.condition << "\" " << r.conditionType << " \"" << r.language << "\" \"" << r.data
             << "\" " << r.dataCount << " \"" << r.address << "\" " << r.hitCount << ' '
             << r.hitCountType;
        calls.push_back(call.str());
        return refuse ? nullptr : real->Add(r);
    }

    ide::Ref<ide::Breakpoints> real;
    std::vector<std::string> calls;
    bool refuse = false;
};

struct RecordingDebugger : ide::Debugger {
    ide::Ref<ide::Breakpoints> GetBreakpoints() override { return breakpoints; }
    std::shared_ptr<RecordingBreakpoints> breakpoints = std::make_shared<RecordingBreakpoints>();
};

class RecordingIde : public workbench::Workbench {
  public:
    ide::Ref<ide::Debugger> GetDebugger() override {
        ide::Ref<ide::Debugger> real = Workbench::GetDebugger();
        if (!real)
            return nullptr;
        debugger->breakpoints->real = real->GetBreakpoints();
        return debugger;
    }
    std::shared_ptr<RecordingDebugger> debugger = std::make_shared<RecordingDebugger>();
};

class AddBreakpointsTest : public ::testing::Test {
  protected:
    AddBreakpointsTest() {
        settings_.sourceExtensions = {"cpp"};
        settings_.headerExtensions = {"h"};
    }

    // Runs on `file` with the caret at 3:2; the bookmarked lines.
    std::vector<long> Run(const std::string& file) {
        std::string error;
        auto document = ide_.OpenFile(dir_.Write(file, "void f()\n{\n}\nint g()\n{\n}\n"), error);
        EXPECT_TRUE(document && ide_.SetSelection(document, 3, 2, 3, 2, error)) << error;
        commands::navigate::AddBreakpoints({&ide_, platform_, settings_});
        const auto caret = ide_.ActiveCaret();
        EXPECT_TRUE(caret && caret->caretLine == 3 && caret->caretColumn == 2 &&
                    caret->anchorLine == 3 && caret->anchorColumn == 2);
        std::vector<long> lines;
        for (const auto& mark : ide_.BookmarkList()) {
            if (mark.path.ends_with("/" + file))
                lines.push_back(mark.line);
        }
        return lines;
    }

    testing_support::TempDir dir_;
    testing_support::QuietTerminal platform_;
    settings::Settings settings_;
    RecordingIde ide_;
};

TEST_F(AddBreakpointsTest, AsksForEnabledFileAndLineBreakpointsAndBookmarksWhenSet) {
    const struct {
        bool debugger;
        int addBookmarks;
        bool refuse;  // the IDE makes no breakpoint: the bookmark is set all the same
        std::vector<long> bookmarks;
    } rows[] = {{true, 0, false, {}},
                {true, 1, false, {1, 4}},
                {true, 1, true, {1, 4}},
                {false, 1, false, {}}};
    for (const auto& row : rows) {
        RecordingBreakpoints& breakpoints = *ide_.debugger->breakpoints;
        breakpoints.calls.clear();
        breakpoints.refuse = row.refuse;
        ide_.SetDebuggerAvailable(row.debugger);
        settings_.addBookmarks = row.addBookmarks;
        const std::string file = "a" + std::to_string(&row - rows) + ".cpp";
        EXPECT_EQ(Run(file), row.bookmarks) << file;
        const std::string path = (dir_.Path() / file).string();
        const std::string plain = " 1 \"\" 1 \"\" \"\" 1 \"\" 0 1";
        std::vector<std::string> calls;
        if (row.debugger)
            calls = {"\"\" " + path + " 1" + plain, "\"\" " + path + " 4" + plain};
        EXPECT_EQ(breakpoints.calls, calls);
        std::size_t made = 0;
        for (const auto& breakpoint : ide_.BreakpointList()) {
            made += breakpoint.path == path;
            EXPECT_TRUE(breakpoint.path != path || breakpoint.enabled);
        }
        EXPECT_EQ(made, row.debugger && !row.refuse ? 2u : 0u);
    }
    EXPECT_TRUE(platform_.Recorded().messages.empty());
}

}  // namespace
