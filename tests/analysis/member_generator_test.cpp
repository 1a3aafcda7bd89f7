#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/member_record.h"

namespace analysis {
namespace {

// The paste settings that are on: D default parameters, P prefixes, C comment, S space.
PasteStyle Style(std::string_view on) {
    return {on.find('D') != on.npos, on.find('P') != on.npos, on.find('C') != on.npos,
            on.find('S') != on.npos};
}

// kHeader: a declaration in a class body; kBare: the same without terminator (as the
// templates take it); kHead and kBody: a definition in a source file, without and with body.
enum Form { kHeader, kBare, kHead, kBody };

struct Output {
    Form form;
    const char* style;
    const char* expected;
    int indent = 0;
    int align = 24;
};

struct Row {
    const char* declaration;
    const char* className;
    bool readInSource;
    std::vector<Output> outputs;
};

TEST(MemberGenerator, WritesTheDeclarationOrDefinition) {
    // clang-format off
    const std::vector<Row> rows = {
        {"virtual void Draw(CDC* pDC) const;", "CView", false, {
            {kBody, "DPC", "/*virtual*/ void CView::Draw(CDC* pDC) const\r\n{\r\n\t// \r\n}\r\n"},
            {kBody, "DS", "void CView::Draw(CDC* pDC) const\r\n{\r\n}\r\n"},
            {kHead, "P", "/*virtual*/ void CView::Draw(CDC* pDC) const\r\n"},
            {kHeader, "", "\tvirtual void\t\tDraw(CDC* pDC) const;\r\n"},
            {kBare, "", "virtual void Draw(CDC* pDC) const"}}},
        // Defaults as comments in a source file, by their setting; Paste Space in both forms.
        {"void Set(int n = 0, BOOL b = TRUE);", "CFoo", false, {
            {kHead, "DS", "void CFoo::Set(int n /*=0*/, BOOL b /*=TRUE*/)\r\n"},
            {kHead, "D", "void CFoo::Set(int n /*=0*/,BOOL b /*=TRUE*/)\r\n"},
            {kHead, "S", "void CFoo::Set(int n, BOOL b)\r\n"},
            {kHeader, "", "\tvoid\t\t\t\tSet(int n=0,BOOL b=TRUE);\r\n"}}},
        {"void Set(int n /*=0*/, BOOL b /*=TRUE*/)", "CFoo", true, {
            {kHeader, "S", "\tvoid\t\t\t\tSet(int n=0, BOOL b=TRUE);\r\n"}}},
        // A glued name stays on its '*' unless the type is padded.
        {"char *m_pBuf;", "CFoo", false, {{kHead, "DPC", "char *CFoo::m_pBuf;\r\n"},
            {kHeader, "", "\t\tchar *\tm_pBuf;\r\n", 8, 16}}},
        {"char *m_pBuf;", "", false, {{kHeader, "", "char *\t\t\tm_pBuf;\r\n", 8, 16}}},
        // Padding: spaces between tab stops; one tab once the type reaches the column.
        {"int m_x;", "CFoo", false, {{kHeader, "", "\tint\t\tm_x;\r\n", 4, 12}}},
        {"int x;", "CFoo", false, {{kHeader, "", "\tint\t\t\t\t\t  x;\r\n", 0, 26}}},
        {"unsigned long long x;", "CFoo", false, {
            {kHeader, "", "\tunsigned long long\tx;\r\n", 0, 8}}},
        {"STDMETHOD(Invoke)(DISPID id);", "CFoo", false, {
            {kHeader, "", "\tSTDMETHOD(Invoke)(DISPID id);\r\n"},
            {kBody, "DPC", "STDMETHODIMP CFoo::Invoke(DISPID id)\r\n{\r\n\t// \r\n}\r\n"}}},
        {"\nSTDMETHODV(Invoke)();", "CFoo", false, {
            {kHead, "", "STDMETHODIMPV CFoo::Invoke()\r\n"}}},
        {"STDMETHOD_(HRESULT, Invoke)(DISPID id);", "CFoo", false, {
            {kHead, "", "STDMETHODIMP_ CFoo::HRESULT, Invoke(DISPID id)\r\n"}}},
        {"STDMETHODIMPV_ CFoo::Invoke()", "", true, {
            {kHeader, "", "\tSTDMETHODV_(Invoke)();\r\n"}}},
        {"CFoo(int n);", "CFoo", false, {{kHeader, "", "\tCFoo(int n);\r\n", 4, 24},
            {kBody, "C", "CFoo::CFoo(int n)\r\n{\r\n\t// Construct\r\n}\r\n"}}},
        {"virtual ~CFoo();", "CFoo", false, {
            {kBody, "PC", "/*virtual*/ CFoo::~CFoo()\r\n{\r\n\t// Destruct\r\n}\r\n"},
            {kHeader, "", "\tvirtual ~CFoo();\r\n"}}},
        // The initialiser only in a source file, after any array dimensions.
        {"static int s_count = 5;", "CFoo", false, {{kHeader, "", "\tstatic int\t\t\ts_count;\r\n"},
            {kBody, "P", "/*static*/ int CFoo::s_count=5;\r\n"},
            {kHead, "", "int CFoo::s_count=5;\r\n"}}},
        {"int a[10] = 5;", "CFoo", false, {{kHead, "", "int CFoo::a[10]=5;\r\n"},
            {kHeader, "", "\tint\t\t\t\t\ta[10];\r\n"}}},
        {"int g_count = 0;", "", true, {{kHeader, "DPCS", "extern int\t\t\t\tg_count;\r\n"},
            {kHead, "DPCS", "int g_count=0;\r\n"}}},
        {"void Helper(int n) {", "", true, {
            {kBody, "DPC", "void Helper(int n)\r\n{\r\n\t// \r\n}\r\n"}}},
        {"CFoo& operator+=(const CFoo& o);", "CFoo", false, {
            {kHead, "", "CFoo& CFoo::operator+=(const CFoo& o)\r\n"}}},
        {"afx_msg void OnPaint();", "CFoo", false, {
            {kHeader, "", "\tafx_msg void\t\tOnPaint();\r\n"},
            {kHead, "P", "/*afx_msg*/ void CFoo::OnPaint()\r\n"}}},
        {"virtual void f() const = 0;", "CFoo", false, {
            {kHeader, "", "\tvirtual void\t\tf() const = 0;\r\n"}}},
        {"static virtual mutable inline int f();", "CFoo", false, {
            {kHeader, "", "\tinline static mutable virtual int\tf();\r\n"},
            {kHead, "P", "/*inline*/ /*static*/ /*mutable*/ /*virtual*/ int CFoo::f()\r\n"}}},
    };
    // clang-format on
    for (const Row& row : rows) {
        MemberRecord record;
        ASSERT_TRUE(ParseDeclaration(row.readInSource, record, row.declaration, row.className, ""));
        for (const Output& out : row.outputs) {
            SCOPED_TRACE(testing::Message()
                         << row.declaration << " form " << out.form << " style " << out.style);
            const bool source = out.form == kHead || out.form == kBody;
            EXPECT_EQ(record.Generate(out.indent, out.align, source, out.form == kBody,
                                      out.form == kBare, Style(out.style)),
                      out.expected);
        }
    }
}

TEST(MemberRecord, SettersAndQueries) {
    const struct {
        const char* access;
        int expected;
    } accesses[] = {{"public", 0}, {" Protected: ", 1}, {"private", 2},
                    {"", 2},       {"publicly", 0},     {"internal", 2}};
    for (const auto& row : accesses) {
        MemberRecord record;
        record.SetAccess(row.access);
        EXPECT_EQ(record.Access, row.expected) << row.access;
    }
    // Name, type -> without scope prefix | property | capitalized | base type.
    const struct {
        const char* member;
        const char* type;
        const char* expected;
    } names[] = {{"m_nCount", "int*", "nCount|Count|NCount|int"},
                 {"m_count", "char &", "count|count|Count|char"},
                 {"x", "int", "x|x|X|int"},
                 {"a_", "int**", "|||int*"},
                 {"", "", "|||"}};
    for (const auto& row : names) {
        MemberRecord record;
        record.Member = row.member;
        record.Type = row.type;
        EXPECT_EQ(record.NameWithoutScopePrefix() + "|" + record.PropertyName() + "|" +
                      record.CapitalizedName() + "|" + record.BaseType(),
                  row.expected);
    }
    MemberRecord record;
    EXPECT_FALSE(record.IsConstructor());  // both empty
    record.SetType(" STDMETHODIMPV_ ");
    EXPECT_EQ(record.Macro + "|" + record.Type, "STDMETHODV_|");
    record.SetType("STDMETHODIMPX");
    EXPECT_EQ(record.Type, "STDMETHODIMPX");
    record.SetValue("== b ");
    EXPECT_EQ(record.GetValueText(false), " /*== b*/");
    EXPECT_EQ(record.GetValueText(true), "== b");
    record.Access = 3;
    EXPECT_EQ(record.AccessText(), "");
}

}  // namespace
}  // namespace analysis
