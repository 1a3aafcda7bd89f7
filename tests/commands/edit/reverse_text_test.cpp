// Reversing statements and reading accessor calls; the selection the command leaves and the
// files it writes are in the golden cases.
#include "commands/edit/reverse_text.h"

#include <gtest/gtest.h>

#include <optional>

#include "commands/edit/accessor.h"
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

TEST(ReverseTextTest, ReversingTwiceRestoresAnAssignment) {
    const std::string texts[] = {"a = b;\n", "\tm_nCount\t= 0;\n", "x\t=\ty;\n",
                                 "\tp = q;  // c\n"};
    for (const std::string& text : texts)
        EXPECT_EQ(ReverseText(ReverseText(text)), text) << text;
}

TEST(AccessorTest, ReadsGettersAndSettersAndWritesTheOtherWithTheSameCase) {
    struct Case {
        const char* expression;
        std::optional<Accessor> getter;
        std::optional<SetterCall> setter;
    };
    const Accessor getValue{{true, false, false}, "Value", "obj."};
    const Case cases[] = {
        {"obj.GetValue()", getValue, std::nullopt},
        {"obj.SetValue(q->GetY())", std::nullopt, SetterCall{getValue, "q->GetY()"}},
        {"p->getName()", Accessor{{false, false, false}, "Name", "p->"}, std::nullopt},
        {"SETA(b, c)", std::nullopt, SetterCall{{{true, true, true}, "A", ""}, "b, c"}},
        {"Get()", Accessor{{true, false, false}, "", ""}, std::nullopt},
        {"obj.Value()", std::nullopt, std::nullopt},
        {"obj.GetY(1)", std::nullopt, std::nullopt},
        {"obj.GetY() + 1", std::nullopt, std::nullopt},
        {"Ge()", std::nullopt, std::nullopt},
        {"f(SetX(a))", std::nullopt, std::nullopt},
        {"SetX(a) + 1", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseGetter(c.expression), c.getter) << c.expression;
        EXPECT_EQ(ParseSetter(c.expression), c.setter) << c.expression;
    }
    const Accessor upper{{true, true, true}, "NAME", "p->"};
    const Accessor lower{{false, false, false}, "Name", ""};
    EXPECT_EQ(MakeAccessor(AccessorKind::kSet, upper), "p->SETNAME");
    EXPECT_EQ(MakeAccessor(AccessorKind::kGet, lower), "getName");
    EXPECT_EQ(MakeAccessor(AccessorKind::kSet, getValue), "obj.SetValue");
}

}  // namespace
}  // namespace commands::edit
