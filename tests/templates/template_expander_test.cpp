#include "templates/template_expander.h"

#include <gtest/gtest.h>

#include "fake_variables.h"

namespace templates {
namespace {

struct Row {
    const char* text;
    const char* expected;
    const char* author = "";
    int members = -1;  // copied members: -1 none ever copied, else how many of three
    const char* path = "/src/shape.cpp";
};

// Three members as Copy Members reads them from a class body.
void CopyThree(FakeVariables& source, int count) {
    source.CopyMembers({"int m_nWidth = 4;", "virtual COLORREF* GetColor(int nIndex, bool bLit);",
                        "static const char* s_pszName;"});
    source.members->resize(static_cast<std::size_t>(count));
}

TEST(TemplateExpanderTest, ExpandsEveryVariable) {
    const Row rows[] = {
        {"$(author/Anonymous)", "Anonymous"},
        {"$(author/Anonymous)", "Ann", "Ann"},
        {"$( author )", " Ann ", "Ann"},
        {"$( author )", ""},
        {"$(time(%d/%m/%Y))", "<%d/%m/%Y>"},
        {"$(file.name)", "Makefile.", "", -1, "/src/Makefile"},
        {"$(file.full)|$(file.path)|$(file.short)|$(file.ext)", "/src/shape.cpp|/src/|shape|cpp"},
        {"$(member.name)", "m_nWidthGetColors_pszName", "", 3},
        {"$(member.name)", "", "", 0},
        {"$(member.name)", ""},
        {"$(toupper($(file.short)))", "SHAPE"},
        {"$(tolower(A$(author)))", "aann", "ANN"},
        {"$(toupper($(member.name)))", "M_NWIDTH GETCOLOR S_PSZNAME", "", 3},
        {"$(foo) $(file.size)", "$(foo) $(file.size)"},
        {"$$(PATH) $$(NO_SUCH_VARIABLE/none)", "/bin none"},
        {"$$(LONG/x)", "x"},
        {"a $(file.name b $$(c", "a $(file.name b $$(c"},
        {"[$( selection )]$(selection/none)", "[ sel ]sel"},
        {"$(solution)/$(project/none)", "Game/none"},
        {"$(member.type);$(member.typeshort);$(member.uname);$(member.short);$(member.paramname)\n",
         "int;int;NWidth;Width;nWidth\nCOLORREF*;COLORREF;GetColor;GetColor;GetColor\n", "", 2},
        {"$(member.access) $(member.prefix) $(member.params)|$(member.bogus)|",
         "private  |$(member.bogus)|private virtual int nIndex,bool bLit|$(member.bogus)|", "", 2},
        {"$(member.header);$(member.source)",
         "int m_nWidth;int CShape::m_nWidth=4virtual COLORREF* GetColor(int nIndex,bool "
         "bLit);/*virtual*/ "
         "COLORREF* CShape::GetColor(int nIndex,bool bLit)",
         "", 2},
    };
    for (const Row& row : rows) {
        FakeVariables source;
        source.author = row.author;
        source.path = row.path;
        source.selection = "sel";
        source.solution = "/work/Game.sln";
        source.environment = {{"PATH", "/bin"}, {"LONG", std::string(1024, 'x')}};
        if (row.members >= 0)
            CopyThree(source, row.members);
        const Expansion expansion = ExpandTemplate(row.text, source);
        EXPECT_EQ(expansion.text, row.expected) << row.text;
        EXPECT_FALSE(expansion.caretRequested) << row.text;
    }
}

TEST(TemplateExpanderTest, ClassAndAccessAtTheCaret) {
    FakeVariables source;
    source.text = "class CShape\r\n{\r\nprotected:\r\n\tint x;\r\n};\r\nint CBox::Size()\r\n{\r\n";
    for (const auto& [line, expected] : {std::pair{3L, "CShape protected"}, {5L, "CBox "}}) {
        source.caretLine = line;
        EXPECT_EQ(ExpandTemplate("$(class) $(access)", source).text, expected) << line;
    }
}

TEST(TemplateExpanderTest, RecordsAsksAndTheCaret) {
    FakeVariables source;
    CopyThree(source, 2);
    const Expansion e = ExpandTemplate(
        "$(ask(Class name)/CThing)x$(ask( Count ))\r\n\t$(cursor)$(member.name)", source);
    EXPECT_EQ(e.text, "x\r\n\tm_nWidthx\r\n\tGetColor");
    ASSERT_EQ(e.asks.size(), 4u);
    const AskRecord expected[] = {{"Class name", "CThing", 0},
                                  {" Count ", "", 1},
                                  {"Class name", "CThing", 12},
                                  {" Count ", "", 13}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(e.asks[i].prompt, expected[i].prompt) << i;
        EXPECT_EQ(e.asks[i].defaultValue, expected[i].defaultValue) << i;
        EXPECT_EQ(e.asks[i].position, expected[i].position) << i;
    }
    // The last cursor wins: in the second copy, after a tab.
    EXPECT_TRUE(e.caretRequested);
    EXPECT_EQ(e.caretLine, 12);
    EXPECT_EQ(e.caretColumn, 5);
    EXPECT_EQ(e.caretOffset, 16u);
    EXPECT_EQ(e.asksBeforeCaret, 4u);
}

TEST(TemplateExpanderTest, CaretLineCountsEveryLineEnd) {
    FakeVariables source;
    for (const char* text : {"{\r\n$(cursor)\r\n}", "{\n$(cursor)\n}", "{\r$(cursor)\r}"}) {
        const Expansion e = ExpandTemplate(text, source);
        EXPECT_EQ(e.caretLine, 11) << text;
        EXPECT_EQ(e.caretColumn, 1) << text;
    }
}

TEST(TemplateExpanderTest, DeepCaseChangesStayTextPastTheBound) {
    constexpr int kLevels = 100000;
    std::string text;
    for (int i = 0; i < kLevels; ++i)
        text += "$(toupper(";
    text += "x";
    text.append(2 * kLevels, ')');
    std::string expected;
    for (int i = kMaxCaseNesting; i < kLevels; ++i)
        expected += "$(TOUPPER(";
    expected += "X";
    expected.append(2 * (kLevels - kMaxCaseNesting), ')');
    FakeVariables source;
    EXPECT_EQ(ExpandTemplate(text, source).text, expected);
}

}  // namespace
}  // namespace templates
