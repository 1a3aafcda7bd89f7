// `zentrel members`: the list a user pipes into other tools.
#include <gtest/gtest.h>

#include "zentrel_process.h"

namespace {

class ZentrelMembers : public apps_testing::ZentrelTest {};

TEST_F(ZentrelMembers, PrintsNamesAndLinesInFileOrder) {
    dir.Write("a.cpp", "namespace N {\r\nvoid CFoo::Bar()\r\n{\r\n}\r\n}\r\nint g()\r\n{\r\n}\r\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"members", "a.cpp"}, 0, "N\t1\nBar\t2\ng\t6\n"},
        {{"members", "--classes", "a.cpp"}, 0, "N\t1\nCFoo::Bar\t2\ng\t6\n"},
        {{"members", "missing.cpp"}, 2, ""},
        {{"members", "."}, 2, ""},
    };
    for (const auto& c : cases) {
        const apps_testing::Result result = Run(c.args);
        EXPECT_EQ(result.status, c.status) << c.args.back();
        EXPECT_EQ(result.out, c.out) << c.args.back();
        EXPECT_EQ(result.err.empty(), c.status == 0) << result.err;
    }
}

}  // namespace
