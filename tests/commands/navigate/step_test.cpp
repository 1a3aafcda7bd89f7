// Step against the editor: the searches it asks for and the upward retries. Where it lands in
// real files, and that it does nothing without a document, are golden cases (step-*); without
// an IDE, the command table's.
#include "commands/navigate/step.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "settings/settings.h"
#include "support/quiet_terminal.h"
#include "support/temp_dir.h"
#include "workbench/regex_matcher.h"
#include "workbench/workbench.h"

namespace {

class StepTest : public ::testing::Test {
  protected:
    StepTest() {
        // Records every regular-expression find; the first `misses_` of them find nothing.
        bench_.SetRegexMatcherFactory([this](const std::string& pattern,
                                             long options) -> std::unique_ptr<workbench::Matcher> {
            finds_.push_back(options);
            return misses_-- > 0 ? nullptr : workbench::MakeRegexMatcher(pattern, options);
        });
    }

    void Run(bool up, bool extend, ide::Environment* environment) {
        commands::CommandContext context{environment, platform_, settings_};
        commands::navigate::Step(context, up, extend);
    }

    testing_support::TempDir dir_;
    testing_support::QuietTerminal platform_;
    settings::Settings settings_;
    workbench::Workbench bench_;
    std::vector<long> finds_;
    int misses_ = 0;
};

TEST_F(StepTest, SearchesOnceDownAndUpToThreeTimesUpEachALineHigher) {
    // Stops on lines 2 and 4; the caret starts on line 5, column 3.
    const std::string text = "x\nA\n  \nB\n  \n";
    struct Case {
        bool up;
        int misses;
        std::vector<long> finds;
        long line;  // where the caret ends, column 1
    };
    const Case cases[] = {
        {true, 0, {648}, 4},           {true, 1, {648, 648}, 2}, {true, 2, {648, 648, 648}, 2},
        {true, 3, {648, 648, 648}, 1}, {false, 1, {520}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.up ? "up" : "down") + " missing " + std::to_string(c.misses));
        std::string error;
        auto document = bench_.OpenFile(dir_.Write("a.cpp", text).string(), error);
        ASSERT_TRUE(document && bench_.SetSelection(document, 5, 3, 5, 3, error)) << error;
        finds_.clear();
        misses_ = c.misses;
        Run(c.up, false, &bench_);
        EXPECT_EQ(finds_, c.finds);
        auto caret = bench_.ActiveCaret();
        ASSERT_TRUE(caret);
        EXPECT_EQ(std::tie(caret->anchorLine, caret->caretLine, caret->caretColumn),
                  std::make_tuple(c.line, c.line, 1L));
    }
}

}  // namespace
