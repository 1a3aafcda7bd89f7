// `zentrel members` over inputs a fast reader could get wrong: line ends of every kind, no
// final line end, nothing at all, a NUL, a file larger than one read.
#include <gtest/gtest.h>

#include "zentrel_process.h"

namespace {

class ZentrelMembersInput : public apps_testing::ZentrelTest {};

TEST_F(ZentrelMembersInput, ListsTheSameLinesWhateverEndsThem) {
    // Larger than one read and than one write of the list.
    std::string large;
    std::string largeList;
    for (int i = 1; i <= 20000; ++i) {
        large += "int f" + std::to_string(i) + "()\r{\r}\r";
        largeList += "f" + std::to_string(i) + "\t" + std::to_string(3 * i - 2) + "\n";
    }
    const struct {
        const char* name;
        std::string text;
        std::string out;
    } cases[] = {
        {"empty.cpp", "", ""},
        {"mixed.cpp", "int f()\n{\r}\r\nint g()\r{\n}", "f\t1\ng\t4\n"},
        {"cr-last.cpp", "int f()\r\r{\r\r}\r", "f\t1\n"},
        {"lf-cr.cpp", "\n\rint f()\n\r{\n\r}", "f\t3\n"},
        // The editor's text ends at the first NUL.
        {"nul.cpp", std::string("int f()\r{\r}\r\0int g()\r{\r}\r", 27), "f\t1\n"},
        {"large.cpp", large, largeList},
    };
    for (const auto& c : cases)
        dir.Write(c.name, c.text);
    for (const auto& c : cases) {
        const apps_testing::Result result = Run({"members", c.name});
        EXPECT_EQ(result.status, 0) << c.name << ": " << result.err;
        EXPECT_EQ(result.out, c.out) << c.name;
    }
}

}  // namespace
