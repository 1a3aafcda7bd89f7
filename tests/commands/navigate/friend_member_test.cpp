// Friend Member against the editor: the pattern for each kind of member and file, and the
// three finds it asks for. Where it lands in real files is in the golden cases.
#include "commands/navigate/friend_member.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "settings/settings.h"
#include "support/temp_dir.h"
#include "workbench/regex_matcher.h"
#include "workbench/workbench.h"

namespace {

TEST(FriendMemberPattern, QualifiedInASourceBlankOrParenthesisedInAHeader) {
    struct Row {
        const char* className;
        bool function;
        bool inSource;
        const char* pattern;
    };
    const Row rows[] = {
        {"CFoo", true, true, R"(\:\:\~Bar\()"},
        {"CFoo", false, true, R"(\:\:\~Bar;)"},
        {"CFoo", true, false, R"(([ \t]\~Bar\()|(\(\~Bar\)))"},
        {"CFoo", false, false, R"([ \t]\~Bar;)"},
        {"", true, true, R"([ \t]\~Bar\()"},
        {"", false, true, R"([ \t]\~Bar;)"},
        {"", true, false, R"([ \t]\~Bar\()"},
    };
    for (const Row& row : rows) {
        analysis::MemberRecord member;
        member.Class = row.className;
        member.Function = row.function;
        EXPECT_EQ(commands::navigate::FriendMemberPattern(member, R"(\~Bar)", row.inSource),
                  row.pattern)
            << row.className << ' ' << row.function << ' ' << row.inSource;
    }
}

class FriendMemberTest : public ::testing::Test {
  protected:
    FriendMemberTest() : platform_(answers_, errors_, input_, false) {
        settings_.sourceExtensions = {"cpp"};
        settings_.headerExtensions = {"h"};
        // Records every regular-expression find; the first `misses_` of them find nothing.
        bench_.SetRegexMatcherFactory([this](const std::string& pattern,
                                             long options) -> std::unique_ptr<workbench::Matcher> {
            finds_.emplace_back(pattern, options);
            return misses_-- > 0 ? nullptr : workbench::MakeRegexMatcher(pattern, options);
        });
    }

    void Run(ide::Environment* environment) {
        commands::CommandContext context{environment, platform_, settings_};
        commands::navigate::FriendMember(context);
    }

    testing_support::TempDir dir_;
    posix::AnswerQueue answers_;
    std::ostringstream errors_;
    std::istringstream input_;
    posix::TerminalPlatform platform_;
    settings::Settings settings_;
    workbench::Workbench bench_;
    std::vector<std::pair<std::string, long>> finds_;
    int misses_ = 0;
};

TEST_F(FriendMemberTest, TriesFromTheCaretThenFromTheTopThenTheBareName) {
    const std::string header = dir_.Write("a.h", "class A {\n\t~A();\n};\n").string();
    const std::string source = dir_.Write("a.cpp", "x\n  A::~A()\n{\n}\n").string();
    using Finds = std::vector<std::pair<std::string, long>>;
    const std::string pattern = R"(\:\:\~A\()";
    const struct {
        int misses;
        Finds finds;
        long line;  // where the caret ends in the source, column 1
    } rows[] = {
        {0, {{pattern, 524}}, 2},
        {1, {{pattern, 524}, {pattern, 780}}, 2},
        {2, {{pattern, 524}, {pattern, 780}, {R"(\~A)", 780}}, 2},
        {3, {{pattern, 524}, {pattern, 780}, {R"(\~A)", 780}}, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.misses);
        std::string error;
        auto document = bench_.OpenFile(source, error);
        ASSERT_TRUE(document && bench_.SetSelection(document, 1, 1, 1, 2, error)) << error;
        document = bench_.OpenFile(header, error);
        ASSERT_TRUE(document && bench_.SetSelection(document, 2, 1, 2, 1, error)) << error;
        finds_.clear();
        misses_ = row.misses;
        Run(&bench_);
        EXPECT_EQ(finds_, row.finds);
        const auto caret = bench_.ActiveCaret();
        ASSERT_TRUE(caret);
        EXPECT_EQ(caret->path, source);
        EXPECT_EQ(std::make_tuple(caret->anchorLine, caret->caretLine, caret->caretColumn),
                  std::make_tuple(row.line, row.line, 1L));
    }
    EXPECT_EQ(platform_.Recorded().beeps, 0);
}

TEST_F(FriendMemberTest, BeepsWithoutAnIdeOrADocument) {
    Run(nullptr);
    Run(&bench_);
    EXPECT_EQ(platform_.Recorded().beeps, 2);
    EXPECT_TRUE(finds_.empty());
}

}  // namespace
