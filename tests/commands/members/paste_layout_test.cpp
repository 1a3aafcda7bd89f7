// The indentation and name column a header paste learns from the declaration above; the
// paste itself is covered by the golden cases.
#include "commands/members/paste_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace commands::members {
namespace {

TEST(PasteLayoutTest, LearnsFromTheNearestDeclarationAbove) {
    struct Case {
        const char* name;
        std::string text;  // the paste goes to the line after the last line break
        PasteLayout layout;
    };
    const Case cases[] = {
        {"nothing above", "class A {\r\n", {0, 0}},
        {"data padded with tabs", "class A {\r\n\tint\t\tm_nCount;\r\n", {4, 12}},
        {"data after a function", "\tvoid f(int a);\n\tchar *m_p;\n", {4, 10}},
        {"function with a const tail", "  virtual void Draw(CDC* p) const;\n", {2, 15}},
        {"nested parentheses", "\tint f(int (*g)(int));\n", {4, 8}},
        {"operator name", "\tbool operator==(const A&) const;\n", {4, 9}},
        {"a ';' inside a comment counts", "{\n\t// a; b\n", {4, 7}},
        {"an unmatched ')' moves one back all the same", "\tint f);\n", {4, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int line = static_cast<int>(std::count(c.text.begin(), c.text.end(), '\n'));
        const PasteLayout layout = LearnPasteLayout(c.text, line);
        EXPECT_EQ(layout.indent, c.layout.indent);
        EXPECT_EQ(layout.alignColumn, c.layout.alignColumn);
    }
}

}  // namespace
}  // namespace commands::members
