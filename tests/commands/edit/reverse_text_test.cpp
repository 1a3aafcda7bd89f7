// Reversing statements, accessor calls among them; the selection the command leaves, the files
// it writes and that reversing twice restores an assignment are in the golden cases.
#include "commands/edit/reverse_text.h"

#include <gtest/gtest.h>

#include "line_end_variants.h"

namespace commands::edit {
namespace {

using testing::kLineEnds;
using testing::WithLineEnd;

TEST(ReverseTextTest, ReversesEachStatementByItsPattern) {
    const std::pair<std::string, std::string> cases[] = {
        {"a = b;", "b = a;"},
        {"a=b;", "b=a;"},
        {"    a = b; // note", "    b = a; // note"},
        {"m_nCount\t= 0;", "0\t\t\t= m_nCount;"},
        {"\tm_nCount\t= 0;", "\t0\t\t\t= m_nCount;"},
        {"longname = b;", "b\t\t = longname;"},
        {"a =\t\tlongname;", "longname=\t\ta;"},
        {"x = obj.GetY();", "obj.SetY(x);"},
        {"\tx = p->getName();", "\tp->setName(x);"},
        {"x = obj.GetY() + 1;", "obj.GetY() + 1= x;"},
        {"obj.SetY(x);", "x=obj.GetY();"},
        {"pDX->SetValue(pSrc->GetValue());", "pSrc->SetValue(pDX->GetValue());"},
        {"setA(b.getC());", "b.setC(getA());"},
        // Getters and setters in any case, written back in the same case; only these shapes.
        {"x = p->GETNAME();", "p->SETNAME(x);"},
        {"p->setName(x);", "x=p->getName();"},
        {"SETA(b, c);", "b, c=GETA();"},
        {"x = Get();", "Set(x);"},
        {"x = obj.SetY(q->GetY());", "obj.SetY(q->GetY())= x;"},
        {"x = obj.Value();", "obj.Value()= x;"},
        {"x = obj.GetY(1);", "obj.GetY(1)= x;"},
        {"x = Ge();", "Ge()= x;"},
        {"obj.GetY(v);", "obj.GetY(v);"},
        {"f(SetX(a));", "f(SetX(a));"},
        {"SetX(a) + 1;", "SetX(a) + 1;"},
        {"ar << m_a << m_b;", "ar >> m_a << m_b;"},
        {"ar>>m_a>>m_b;", "ar<<m_a>>m_b;"},
        {"if (a == b) x;", "= b) x=if (a;"},
        {"if (a)", "if (a)"},
        {"f(x);", "f(x);"},
        {"x);", "x);"},
    };
    for (const auto& [line, reversed] : cases)
        EXPECT_EQ(ReverseStatement(line), reversed) << line;
}

TEST(ReverseTextTest, LinesKeepTheirLineEnds) {
    struct Case {
        std::string text;
        std::string lines;  // ReverseLines
        std::string text2;  // ReverseText
    };
    const Case cases[] = {
        {"a = b;\nc << d;\n", "b = a;\nc >> d;\n", "b = a;\nc >> d;\n"},
        {"a = b;\n{\nc = d;", "b = a;\n{\nd = c;", "b = a;\n{\nd = c;\n"},
        {"\n\n", "\n\n", "\n\n"},
        {"", "", ""},
    };
    for (std::string_view lineEnd : kLineEnds) {
        for (const Case& c : cases) {
            const std::string text = WithLineEnd(c.text, lineEnd);
            EXPECT_EQ(ReverseLines(text), WithLineEnd(c.lines, lineEnd)) << text;
            EXPECT_EQ(ReverseText(text), WithLineEnd(c.text2, lineEnd)) << text;
        }
    }
    EXPECT_EQ(ReverseText("a = b;"), "b = a;\r\n");
}

}  // namespace
}  // namespace commands::edit
