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
    // Runs the program with `input` on standard input and standard output sent to `output`.
    apps_testing::Result Filter(const std::string& args, const std::string& input,
                                const std::string& output = "out.txt") {
        dir.Write("in.txt", input);
        const std::string command =
            "cd " + Quote(dir.Path().string()) + " && env -u ZENTREL_PROFILE XDG_CONFIG_HOME=" +
            Quote((dir.Path() / "config").string()) + " " + Quote(ZENTREL_EXE) + " " + args +
            " <in.txt >" + output + " 2>err.txt";
        apps_testing::Result result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        if (output == "out.txt")
            result.out = dir.Read("out.txt");
        result.err = dir.Read("err.txt");
        return result;
    }
};

TEST_F(ZentrelFilter, WritesTheTextBackInItsOwnLineEnds) {
    struct Case {
        const char* args;
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {"reverse", "a = b;\r\nar << x;\r\n", "b = a;\r\nar >> x;\r\n"},
        {"reverse", "a = b;\nc = d;", "b = a;\nd = c;"},
        {"reverse", "", ""},
        {"commentize", "a\nb\n", "//a\n//b\n"},
        {"commentize --style 2", "a\r\nb\r\n", "#if 0\r\na\r\nb\r\n#endif\r\n"},
        {"commentize --style 2", "a", "#if 0\na\n#endif"},
        {"commentize --style 1", "/*a\nb*/\n", "a\nb\n"},
        {"commentize --style 5", "a\n", "//a\n"},
        {"commentize --profile p.reg", "a\n", "/*a*/\n"},
    };
    dir.Write("p.reg",
              "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n"
              "\"Commentize Style\"=dword:00000001\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.args) + " on \"" + c.input + '"');
        const apps_testing::Result result = Filter(c.args, c.input);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, c.output);
    }
}

TEST_F(ZentrelFilter, StandardOutputThatCannotBeWrittenFails) {
    for (const char* args : {"reverse", "commentize --style 0"}) {
        const apps_testing::Result result = Filter(args, "a = b;\n", "/dev/full");
        EXPECT_EQ(result.status, 1) << args;
        EXPECT_NE(result.err.find("cannot write standard output"), std::string::npos) << args;
    }
}

}  // namespace
