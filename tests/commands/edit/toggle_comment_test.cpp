// Commenting whole lines out and in, and part of a line, under every line end; where the
// command selects and what it writes to files is in the golden cases.
#include "commands/edit/toggle_comment.h"

#include <gtest/gtest.h>

#include "line_end_variants.h"
#include "support/temp_dir.h"

namespace commands::edit {
namespace {

using testing::kLineEnds;
using testing::WithLineEnd;

TEST(ToggleCommentTest, CommentsOutOrInByTheFirstLineThatIsNotBlank) {
    struct Case {
        const char* name;
        int style;
        std::string text;
        std::string toggled;
        int shift;
    };
    const Case cases[] = {
        {"line style", 0, "int x;", "//int x;", 0},
        {"line style keeps blank lines", 0, "a\n  \nb\n", "//a\n//  \n//b\n", 0},
        {"indented // is not recognised", 0, "  //a\n", "//  //a\n", 0},
        {"line comments out, blank lines kept", 1, "\n//a\n//\tb\nc\n", "\na\n\tb\nc\n", 0},
        {"block style, last line ended", 1, "a\nb\n", "/*a\nb*/\n", 0},
        {"block style, last line open", 1, "a\nb", "/*a\nb*/", 1},
        {"block style, nothing", 1, "", "/**/", 1},
        {"#if 0 style, last line ended", 2, "a\nb\n", "#if 0\na\nb\n#endif\n", 2},
        {"#if 0 style, last line open", 2, "a", "#if 0\na\n#endif", 3},
        {"block comment in", 0, "\n/*a\nb*/ \n", "\na\nb \n", 0},
        {"block comment in, one line", 2, "/* a */", " a ", 0},
        {"code after */ comments again", 0, "/*a*/ x;\n", "///*a*/ x;\n", 0},
        {"comments at both ends are not one", 0, "/* a */ x;\n/* b */\n",
         "///* a */ x;\n///* b */\n", 0},
        {"*/ inside the opening /* comments again", 0, "/*/\n", "///*/\n", 0},
        {"no */ comments again", 2, "/*a\n", "#if 0\n/*a\n#endif\n", 2},
        {"an unclosed /* inside is text", 0, "/*/*a\nb*/\n", "/*a\nb\n", 0},
        {"#if 0 in", 0, "#if 0\na\n#endif\n", "a\n", -2},
        {"#if 0 in keeps the blanks around", 1, "\n#if 0\na\n#endif\n\t\n", "\na\n\t\n", -2},
        {"#if 0 in, last #endif taken, ending the text", 0, "#if 0\n#if 0\na\n#endif\n#endif",
         "#if 0\na\n#endif", -2},
        {"empty block ending the text", 1, "#if 0\n#endif", "", -2},
        {"#endif line dropped whole", 0, "#if 0 // off\na\n#endif // off\n", "a\n", -2},
        {"#endif not at a line start", 0, "#if 0\na\n  #endif\n", "//#if 0\n//a\n//  #endif\n", 0},
        {"code after #endif", 0, "#if 0\na\n#endif\nb\n", "//#if 0\n//a\n//#endif\n//b\n", 0},
        {"#if 0x1 is not ours", 0, "#if 0x1\na\n#endif\n", "//#if 0x1\n//a\n//#endif\n", 0},
        {"unknown style is line style", 7, "a\n", "//a\n", 0},
        {"negative style is line style", -1, "a\n", "//a\n", 0},
    };
    for (std::string_view lineEnd : kLineEnds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (lineEnd == "\n"   ? " LF"
                                                : lineEnd == "\r" ? " CR"
                                                                  : " CR LF"));
            const ToggledText toggled = ToggleComment(WithLineEnd(c.text, lineEnd),
                                                      CommentStyleFromNumber(c.style), lineEnd);
            EXPECT_EQ(toggled.text, WithLineEnd(c.toggled, lineEnd));
            EXPECT_EQ(toggled.shift, c.shift);
        }
    }
}

TEST(ToggleCommentTest, NewLinesTakeTheGivenLineEndWhenTheTextHasNone) {
    EXPECT_EQ(ToggleComment("", CommentStyle::kPreprocessor).text, "#if 0\r\n#endif\r\n");
    EXPECT_EQ(ToggleComment("x", CommentStyle::kPreprocessor, "\n").text, "#if 0\nx\n#endif");
}

// An odd shift means the lines are selected again up to the start of the next line, so
// its line end comes along when they are commented back in. Real code is in the texts.
TEST(ToggleCommentTest, CommentingOutAndInRestoresTheBytesInEveryStyle) {
    const std::string code = testing_support::ReadBytes(ZENTREL_CORPUS_DIR "/sqlite3.h");
    ASSERT_GT(code.size(), 1000u) << "no corpus at " ZENTREL_CORPUS_DIR;
    const std::string texts[] = {
        "int x;", "a\nb\n", "\n\tb = c;\n", "a = b;\n// c", "", "\n\n", "x; /* y */ s = \"*/\";\n",
        code};
    for (std::string_view lineEnd : kLineEnds) {
        for (const std::string& text : texts) {
            for (int style = 0; style <= 2; ++style) {
                SCOPED_TRACE(::testing::Message()
                             << '"' << text.substr(0, 20) << "\" style " << style);
                const std::string original = WithLineEnd(text, lineEnd);
                const ToggledText out =
                    ToggleComment(original, CommentStyleFromNumber(style), lineEnd);
                const std::string next(out.shift % 2 != 0 ? lineEnd : "");
                const ToggledText in =
                    ToggleComment(out.text + next, CommentStyleFromNumber(style), lineEnd);
                EXPECT_EQ(in.text, original + next);
                EXPECT_EQ(in.shift, style == 2 ? -2 : 0);
            }
        }
    }
}

TEST(ToggleCommentTest, PartOfALineGoesInOrOutOfABlockComment) {
    const std::pair<std::string, std::string> cases[] = {
        {"b", "/*b*/"},     {"/*b*/", "b"},     {"/**/", ""},
        {"/*/", "/*/*/*/"}, {"/*/*a*/", "/*a"}, {"/*a*/+/*b*/", "/*/*a*/+/*b*/*/"},
        {"", "/**/"}};
    for (const auto& [text, toggled] : cases)
        EXPECT_EQ(ToggleInlineComment(text), toggled) << text;
}

}  // namespace
}  // namespace commands::edit
