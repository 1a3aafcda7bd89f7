// Every folder of tests/e2e/cases run through the zentrel program: the steps in a copy of
// before/, then the files and the JSON state compared with what the case expects.
#include <gtest/gtest.h>

#include "apps/zentrel_process.h"
#include "golden_case.h"

namespace {

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, RunsAsExpected) {
    const golden::Case c = golden::LoadCase(GetParam());
    if (!c.RunsOn("posix"))
        GTEST_SKIP() << "not a case for this host";
    testing_support::TempDir scratch;
    const golden::fs::path work = scratch.Path() / "work";
    c.Prepare(work);
    std::vector<std::string> args = c.steps;
    args.insert(args.begin(), {"run", "--json"});
    const apps_testing::Result result = apps_testing::RunZentrel(work, scratch.Path(), args);

    ASSERT_EQ(result.status, c.exit) << result.err;
    if (c.exit != 0) {
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
    }
    const auto fragments = c.stderrFragments.value_or(std::vector<std::string>{});
    if (c.stderrFragments && fragments.empty()) {
        EXPECT_EQ(result.err, "");
    }
    for (const std::string& fragment : fragments) {
        EXPECT_NE(result.err.find(fragment), std::string::npos) << fragment << ": " << result.err;
    }
    // The IDE keeps its data beside the profile, never in the user's data folder.
    EXPECT_FALSE(golden::fs::exists(scratch.Path() / "data"));
    std::string differences = c.CompareFiles(work, true);
    if (c.state && c.exit == 0)
        differences += golden::CompareJson(*c.state, golden::Json::parse(result.out), work);
    EXPECT_TRUE(differences.empty()) << differences << result.out;
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(golden::CaseNames()),
                         [](const auto& info) { return golden::TestName(info.param); });

}  // namespace
