// Add Breakpoints against an IDE whose debugger records what it is asked; the lines it finds
// in real files are golden cases (add-breakpoints-*).
#include "commands/navigate/add_breakpoints.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "settings/settings.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace {

struct Made : ide::Breakpoint {
    bool SetEnabled(bool on) override { return enabled = on, true; }
    bool enabled = false;
};

struct MadeList : ide::BreakpointList {
    long Count() override { return 1; }
    ide::Ref<ide::Breakpoint> Item(long index) override { return index == 1 ? made : nullptr; }
    std::shared_ptr<Made> made = std::make_shared<Made>();
};

// Breakpoints.Add with all twelve arguments as the IDE receives them; makes one or none.
struct RecordingBreakpoints : ide::Breakpoints {
    long Count() override { return static_cast<long>(made.size()); }
    ide::Ref<ide::Breakpoint> Item(long index) override { return made.at(index - 1); }
    ide::Ref<ide::BreakpointList> Add(const ide::BreakpointRequest& r) override {
        std::ostringstream call;
        call << '"' << r.function << "\" " << r.file << ' ' << r.line << ' ' << r.column << " \""
             << r.condition << "\" " << r.conditionType << " \"" << r.language << "\" \"" << r.data
             << "\" " << r.dataCount << " \"" << r.address << "\" " << r.hitCount << ' '
             << r.hitCountType;
        calls.push_back(call.str());
        if (refuse)
            return nullptr;
        auto list = std::make_shared<MadeList>();
        made.push_back(list->made);
        return list;
    }

    std::vector<std::string> calls;
    std::vector<std::shared_ptr<Made>> made;
    bool refuse = false;
};

struct RecordingDebugger : ide::Debugger {
    ide::Ref<ide::Breakpoints> GetBreakpoints() override { return breakpoints; }
    std::shared_ptr<RecordingBreakpoints> breakpoints = std::make_shared<RecordingBreakpoints>();
};

class RecordingIde : public workbench::Workbench {
  public:
    ide::Ref<ide::Debugger> GetDebugger() override { return present ? debugger : nullptr; }
    std::shared_ptr<RecordingDebugger> debugger = std::make_shared<RecordingDebugger>();
    bool present = true;
};

class AddBreakpointsTest : public ::testing::Test {
  protected:
    AddBreakpointsTest() : platform_(answers_, errors_, input_, false) {
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
    posix::AnswerQueue answers_;
    std::ostringstream errors_;
    std::istringstream input_;
    posix::TerminalPlatform platform_;
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
        breakpoints = RecordingBreakpoints{};
        breakpoints.refuse = row.refuse;
        ide_.present = row.debugger;
        settings_.addBookmarks = row.addBookmarks;
        const std::string file = "a" + std::to_string(&row - rows) + ".cpp";
        EXPECT_EQ(Run(file), row.bookmarks) << file;
        const std::string path = (dir_.Path() / file).string();
        const std::string plain = " 1 \"\" 1 \"\" \"\" 1 \"\" 0 1";
        std::vector<std::string> calls;
        if (row.debugger)
            calls = {"\"\" " + path + " 1" + plain, "\"\" " + path + " 4" + plain};
        EXPECT_EQ(breakpoints.calls, calls);
        for (const auto& made : breakpoints.made)
            EXPECT_TRUE(made->enabled);
        EXPECT_EQ(breakpoints.made.size(), row.debugger && !row.refuse ? 2u : 0u);
    }
    EXPECT_TRUE(platform_.Recorded().messages.empty());
}

}  // namespace
