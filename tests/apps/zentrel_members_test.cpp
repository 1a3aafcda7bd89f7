// `zentrel members`: the list a user pipes into other tools.
#include <gtest/gtest.h>

#include "zentrel_process.h"

namespace {

class ZentrelMembers : public apps_testing::ZentrelTest {};

TEST_F(ZentrelMembers, PrintsNamesAndLinesInFileOrder) {
    const std::string lines[] = {
        "namespace N {", "void CFoo::Bar()", "{", "}", "}", "int g()", "{", "}"};
    for (const char* end : {"\r\n", "\r"}) {
        std::string text;
        for (const std::string& line : lines)
            text += line + end;
        dir.Write(end[1] ? "a.cpp" : "cr.cpp", text);
    }
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"members", "a.cpp"}, 0, "N\t1\nBar\t2\ng\t6\n"},
        {{"members", "--classes", "a.cpp"}, 0, "N\t1\nCFoo::Bar\t2\ng\t6\n"},
        {{"members", "cr.cpp"}, 0, "N\t1\nBar\t2\ng\t6\n"},
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
