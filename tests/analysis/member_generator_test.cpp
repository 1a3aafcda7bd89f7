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

enum Form { kHeader, kHeaderNoTerminator, kSource, kSourceWithBody };

struct Row {
    const char* declaration;
    const char* className;
    bool readInSource;
    Form form;
    const char* style;
    int indent;
    int align;
    const char* expected;
};

TEST(MemberGenerator, WritesTheDeclarationOrDefinition) {
    const std::vector<Row> rows = {
        {"virtual void Draw(CDC* pDC) const;", "CView", false, kSourceWithBody, "DPC", 0, 24,
         "/*virtual*/ void CView::Draw(CDC* pDC) const\r\n{\r\n\t// \r\n}\r\n"},
        {"virtual void Draw(CDC* pDC) const;", "CView", false, kSourceWithBody, "DS", 0, 24,
         "void CView::Draw(CDC* pDC) const\r\n{\r\n}\r\n"},
        {"virtual void Draw(CDC* pDC) const;", "CView", false, kSource, "P", 0, 24,
         "/*virtual*/ void CView::Draw(CDC* pDC) const\r\n"},
        {"virtual void Draw(CDC* pDC) const;", "CView", false, kHeader, "", 0, 24,
         "\tvirtual void\t\tDraw(CDC* pDC) const;\r\n"},
        {"virtual void Draw(CDC* pDC) const;", "CView", false, kHeaderNoTerminator, "", 0, 24,
         "virtual void Draw(CDC* pDC) const"},
        // Defaults: in a source file as comments, only with their setting; the separator
        // follows Paste Space in both forms.
        {"void Set(int n = 0, BOOL b = TRUE);", "CFoo", false, kSource, "DS", 0, 24,
         "void CFoo::Set(int n /*=0*/, BOOL b /*=TRUE*/)\r\n"},
        {"void Set(int n = 0, BOOL b = TRUE);", "CFoo", false, kSource, "D", 0, 24,
         "void CFoo::Set(int n /*=0*/,BOOL b /*=TRUE*/)\r\n"},
        {"void Set(int n = 0, BOOL b = TRUE);", "CFoo", false, kSource, "S", 0, 24,
         "void CFoo::Set(int n, BOOL b)\r\n"},
        {"void Set(int n = 0, BOOL b = TRUE);", "CFoo", false, kHeader, "", 0, 24,
         "\tvoid\t\t\t\tSet(int n=0,BOOL b=TRUE);\r\n"},
        {"void Set(int n /*=0*/, BOOL b /*=TRUE*/)", "CFoo", true, kHeader, "S", 0, 24,
         "\tvoid\t\t\t\tSet(int n=0, BOOL b=TRUE);\r\n"},
        // Glued pointers keep the name on the '*', except where the type is padded.
        {"char *m_pBuf;", "CFoo", false, kSource, "DPC", 0, 24, "char *CFoo::m_pBuf;\r\n"},
        {"char *m_pBuf;", "CFoo", false, kHeader, "", 8, 16, "\t\tchar *\tm_pBuf;\r\n"},
        {"char *m_pBuf;", "", false, kHeader, "", 8, 16, "char *\t\t\tm_pBuf;\r\n"},
        // Alignment: spaces to a column between tab stops; one tab once the type reaches it.
        {"int x;", "CFoo", false, kHeader, "", 0, 26, "\tint\t\t\t\t\t  x;\r\n"},
        {"unsigned long long x;", "CFoo", false, kHeader, "", 0, 8, "\tunsigned long long\tx;\r\n"},
        {"STDMETHOD(Invoke)(DISPID id);", "CFoo", false, kHeader, "", 0, 24,
         "\tSTDMETHOD(Invoke)(DISPID id);\r\n"},
        {"STDMETHOD(Invoke)(DISPID id);", "CFoo", false, kSourceWithBody, "DPC", 0, 24,
         "STDMETHODIMP CFoo::Invoke(DISPID id)\r\n{\r\n\t// \r\n}\r\n"},
        {"\nSTDMETHODV(Invoke)();", "CFoo", false, kSource, "", 0, 24,
         "STDMETHODIMPV CFoo::Invoke()\r\n"},
        {"STDMETHOD_(HRESULT, Invoke)(DISPID id);", "CFoo", false, kSource, "", 0, 24,
         "STDMETHODIMP_ CFoo::HRESULT, Invoke(DISPID id)\r\n"},
        {"STDMETHODIMPV_ CFoo::Invoke()", "", true, kHeader, "", 0, 24,
         "\tSTDMETHODV_(Invoke)();\r\n"},
        {"CFoo(int n);", "CFoo", false, kHeader, "", 4, 24, "\tCFoo(int n);\r\n"},
        {"CFoo(int n);", "CFoo", false, kSourceWithBody, "C", 0, 24,
         "CFoo::CFoo(int n)\r\n{\r\n\t// Construct\r\n}\r\n"},
        {"virtual ~CFoo();", "CFoo", false, kSourceWithBody, "PC", 0, 24,
         "/*virtual*/ CFoo::~CFoo()\r\n{\r\n\t// Destruct\r\n}\r\n"},
        {"virtual ~CFoo();", "CFoo", false, kHeader, "", 0, 24, "\tvirtual ~CFoo();\r\n"},
        // Data: the initialiser only in a source file, after the array dimensions.
        {"static int s_count = 5;", "CFoo", false, kHeader, "", 0, 24,
         "\tstatic int\t\t\ts_count;\r\n"},
        {"static int s_count = 5;", "CFoo", false, kSourceWithBody, "P", 0, 24,
         "/*static*/ int CFoo::s_count=5;\r\n"},
        {"static int s_count = 5;", "CFoo", false, kSource, "", 0, 24, "int CFoo::s_count=5;\r\n"},
        {"int a[10] = 5;", "CFoo", false, kSource, "", 0, 24, "int CFoo::a[10]=5;\r\n"},
        {"int a[10] = 5;", "CFoo", false, kHeader, "", 0, 24, "\tint\t\t\t\t\ta[10];\r\n"},
        {"int g_count = 0;", "", true, kHeader, "DPCS", 0, 24, "extern int\t\t\t\tg_count;\r\n"},
        {"int g_count = 0;", "", true, kSource, "DPCS", 0, 24, "int g_count=0;\r\n"},
        {"void Helper(int n) {", "", true, kSourceWithBody, "DPC", 0, 24,
         "void Helper(int n)\r\n{\r\n\t// \r\n}\r\n"},
        {"CFoo& operator+=(const CFoo& o);", "CFoo", false, kSource, "", 0, 24,
         "CFoo& CFoo::operator+=(const CFoo& o)\r\n"},
        {"afx_msg void OnPaint();", "CFoo", false, kHeader, "", 0, 24,
         "\tafx_msg void\t\tOnPaint();\r\n"},
        {"afx_msg void OnPaint();", "CFoo", false, kSource, "P", 0, 24,
         "/*afx_msg*/ void CFoo::OnPaint()\r\n"},
        {"virtual void f() const = 0;", "CFoo", false, kHeader, "", 0, 24,
         "\tvirtual void\t\tf() const = 0;\r\n"},
        {"static virtual mutable inline int f();", "CFoo", false, kHeader, "", 0, 24,
         "\tinline static mutable virtual int\tf();\r\n"},
        {"static virtual mutable inline int f();", "CFoo", false, kSource, "P", 0, 24,
         "/*inline*/ /*static*/ /*mutable*/ /*virtual*/ int CFoo::f()\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.declaration << " form " << row.form << " style " << row.style);
        MemberRecord record;
        ASSERT_TRUE(ParseDeclaration(row.readInSource, record, row.declaration, row.className, ""));
        const bool source = row.form == kSource || row.form == kSourceWithBody;
        EXPECT_EQ(record.Generate(row.indent, row.align, source, row.form == kSourceWithBody,
                                  row.form == kHeaderNoTerminator, Style(row.style)),
                  row.expected);
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
