// `zentrel reverse` and `zentrel commentize` as editor filters: standard input to standard
// output in the input's own line ends, the style from --style or the profile.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "zentrel_process.h"

namespace {

using apps_testing::Quote;

class ZentrelFilter : public apps_testing::ZentrelTest {
  protected:
    // The program with `input` on standard input and standard output sent to `output`.
    apps_testing::Result Filter(const std::string& args, const std::string& input,
                                const std::string& output) {
        dir.Write("in.txt", input);
        const int raw =
            std::system(("cd " + Quote(dir.Path().string()) +
                         " && env -u ZENTREL_PROFILE XDG_CONFIG_HOME=config " + Quote(ZENTREL_EXE) +
                         " " + args + " <in.txt >" + output + " 2>err.txt")
                            .c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1,
                output == "out.txt" ? dir.Read("out.txt") : "", dir.Read("err.txt")};
    }
};

TEST_F(ZentrelFilter, WritesTheTextBackInItsOwnLineEnds) {
    struct Case {
        const char* args;
        std::string input;
        std::string output;  // "" with status 1 when written to a full device
    };
    const Case cases[] = {
        {"reverse", "a = b;\r\nar << x;\r\n", "b = a;\r\nar >> x;\r\n"},
        {"reverse", "a = b;\nc = d;", "b = a;\nd = c;"},
        {"commentize", "a\nb\n", "//a\n//b\n"},
        {"commentize --style 2", "a\r\nb\r\n", "#if 0\r\na\r\nb\r\n#endif\r\n"},
        {"commentize --style 2", "a", "#if 0\na\n#endif"},
        {"commentize --style 1", "/*a\nb*/\n", "a\nb\n"},
        {"commentize --style 5", "a\n", "//a\n"},
        {"commentize --profile p.reg", "a\n", "/*a*/\n"},
        {"reverse", "a = b;\n", ""},
        {"commentize --style 0", "a\n", ""},
    };
    dir.Write("p.reg",
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
              "\"Commentize Style\"=dword:00000001\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.args) + " on \"" + c.input + '"');
        const bool full = c.output.empty();
        const apps_testing::Result result = Filter(c.args, c.input, full ? "/dev/full" : "out.txt");
        EXPECT_EQ(result.status, full ? 1 : 0) << result.err;
        EXPECT_EQ(result.out, c.output);
        EXPECT_EQ(result.err.find("cannot write standard output") != std::string::npos, full);
    }
}

}  // namespace
