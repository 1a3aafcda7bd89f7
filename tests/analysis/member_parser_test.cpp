#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/member_record.h"

namespace analysis {
namespace {

// The record in one line: the name, then only the fields that are set. Flags: g glued,
// F function, S static, E extern, M mutable, C const, V virtual, I inline, D decl, B body,
// N inline body. Parameters as p=default, separated by ';'.
std::string Describe(const MemberRecord& r) {
    std::string d = r.Member;
    const auto field = [&](const char* name, const std::string& value) {
        if (!value.empty()) {
            d += std::string(" ") + name + "=" + value;
        }
    };
    field("macro", r.Macro);
    field("type", r.Type);
    field("class", r.Class);
    field("specifiers", r.Specifiers);
    field("value", r.Value);
    field("postfix", r.Postfix);
    field("access", r.Access != 0 ? std::to_string(r.Access) : "");
    std::string flags;
    const std::pair<bool, char> set[] = {{r.Glued, 'g'},   {r.Function, 'F'},  {r.Static, 'S'},
                                         {r.Extern, 'E'},  {r.Mutable, 'M'},   {r.Const, 'C'},
                                         {r.Virtual, 'V'}, {r.Inline, 'I'},    {r.Decl, 'D'},
                                         {r.Body, 'B'},    {r.InlineBody, 'N'}};
    for (const auto& [on, letter] : set) {
        flags += on ? std::string(1, letter) : "";
    }
    field("flags", flags);
    std::string params;
    for (std::size_t i = 0; i < r.Param.size(); ++i) {
        params += (i ? ";" : "") + r.Param[i] +
                  (r.ParamDefault[i].empty() ? "" : "=" + r.ParamDefault[i]);
    }
    field("params", params + (r.Param.size() == 1 && params.empty() ? "<empty>" : ""));
    return d;
}

struct Row {
    std::string text;
    const char* className;
    const char* access;
    bool sourceFile;
    const char* expected;  // nullptr: the parse fails
};

TEST(ParseDeclaration, ReadsEachKindOfDeclaration) {
    const std::vector<Row> rows = {
        {"virtual void Draw(CDC* pDC) const;", "CView", "public", false,
         "Draw type=void class=CView flags=FCVD params=CDC* pDC"},
        {"void Set(int n = 0, BOOL b = TRUE);", "", "", false,
         "Set type=void flags=F params=int n=0;BOOL b=TRUE"},
        {"char *m_pBuf;", "CFoo", "protected:", false,
         "m_pBuf type=char * class=CFoo access=1 flags=gD"},
        {"int\nNext();", "CFoo", "", false, "Next class=CFoo access=2 flags=gFD"},  // type lost
        {"STDMETHOD(Invoke)(DISPID id);", "", "", false,
         "Invoke macro=STDMETHOD flags=F params=DISPID id"},
        {"STDMETHOD_(HRESULT, Invoke)(DISPID id);", "", "", false,
         "HRESULT, Invoke macro=STDMETHOD_ flags=F params=DISPID id"},
        {"STDMETHODIMP CFoo::Invoke(DISPID id) {", "", "", true,
         "Invoke macro=STDMETHOD class=CFoo flags=FB params=DISPID id"},
        {"\tSTDMETHODIMPV_ X::Y()", "", "", true, "Y macro=STDMETHODV_ class=X flags=F"},
        {"int a[10] = 5;", "", "", false, "a type=int value=5 postfix=[10]"},
        {"int m[2][N+1];", "", "", false, "m type=int postfix=[2][N+1]"},
        {"int x = a == b;", "", "", false, "x type=int value=a == b"},
        {"static const int s_max = 10;", "CFoo", "private", false,
         "s_max type=const int class=CFoo value=10 access=2 flags=SD"},
        {"const int CFoo::s_max = 10;", "", "", true, "s_max type=const int class=CFoo value=10"},
        {"int g_count = 0;", "", "", true, "g_count type=int value=0 flags=E"},
        {"int g_count = 0;", "", "", false, "g_count type=int value=0"},
        {"extern int g_count;", "", "", false, "g_count type=int flags=E"},
        {"CFoo(int n);", "CFoo", "public", false, "CFoo class=CFoo flags=FD params=int n"},
        {"virtual ~CFoo();", "CFoo", "public", false, "~CFoo class=CFoo flags=FVD"},
        {"CFoo::~CFoo() {", "", "", true, "~CFoo class=CFoo flags=FB"},
        // A constructor's initialiser list is passed over.
        {"CFoo::CFoo(int n) : m_n(n), m_p(f(1, 2)) {", "", "", true,
         "CFoo class=CFoo flags=FB params=int n"},
        {"CFoo::CFoo()\n\t: CBase(0)\n{", "", "", true, "CFoo class=CFoo flags=FB"},
        {"CFoo() : m_n(0) {", "CFoo", "public", false, "CFoo class=CFoo flags=FDBN"},
        {"public: CFoo(int n);", "CFoo", "", false,
         "CFoo type=public: class=CFoo access=2 flags=FD params=int n"},
        {"int Get() const {", "CFoo", "public", false, "Get type=int class=CFoo flags=FCDBN"},
        {"CFoo& operator+=(const CFoo& other);", "", "", false,
         "operator+= type=CFoo& flags=F params=const CFoo& other"},
        {"bool operator<=(int) const;", "", "", false, "operator<= type=bool flags=FC params=int"},
        {"bool operator()(int a) const;", "", "", false,
         "operator() type=bool flags=FC params=int a"},
        {"T& CArr::operator[](int i) {", "", "", true,
         "operator[] type=T& class=CArr flags=FB params=int i"},
        {"void CList<T>::Add(T item) {", "", "", true,
         "Add type=void class=CList<T> flags=FB params=T item"},
        {"void CFoo::f();", "CFoo", "public", false, "f type=void class=CFoo flags=FD"},
        {"int CFoo::x;", "CBar", "public", false, nullptr},
        {"afx_msg void OnPaint();", "", "", false, "OnPaint type=void specifiers=afx_msg flags=F"},
        {"volatile unsigned long m_n;", "", "", false,
         "m_n type=unsigned long specifiers=volatile"},
        {"mutable int m_c;", "", "", false, "m_c type=int flags=M"},
        {"inline int Get();", "", "", false, "Get type=int flags=FI"},
        {"/*virtual*/ /*inline*/ int CFoo::Get() const", "", "", true,
         "Get type=int class=CFoo flags=FCVI"},
        {"virtual void f() = 0;", "", "", false, "f type=void postfix== 0 flags=FV"},
        // Parameters: nested lists keep their commas, comments go, defaults in comments count.
        {"void f(int (*cb)(int, int), int n = max(1, 2));", "", "", false,
         "f type=void flags=F params=int (*cb)(int, int);int n=max(1, 2)"},
        {"void f(int a, // first\r\n\tint b /*= 0*/) // done\r\n;", "", "", false,
         "f type=void flags=F params=int a;int b=0"},
        {"void f(int a /* = 1 */, int b = (2));", "", "", false,
         "f type=void flags=F params=int a=1;int b=(2)"},
        {"void f(void);", "", "", false, "f type=void flags=F params=void"},
        {"void f( );", "", "", false, "f type=void flags=F"},
        {"void f(a,);", "", "", false, "f type=void flags=F params=a;"},
        {"int\rx;", "", "", false, "x flags=g"},  // a lone CR ends a line too
        {"int x", "", "", false, "x type=int"},   // no terminator: the name stays whole
        // Nothing to read: no crash, no name.
        {"", "", "", false, nullptr},
        {"(", "", "", false, nullptr},
        {")", "", "", false, nullptr},
        {"int a];", "", "", false, nullptr},
        {"::f();", "CFoo", "", false, nullptr},
        {std::string("\0int x;", 7), "", "", false, nullptr},
        {"x\x01\xff(\x80);", "", "", false, nullptr},
        {std::string(1 << 20, '('), "", "", false, nullptr},
        {std::string(1 << 20, ')'), "", "", false, nullptr},
        {std::string(1 << 20, ']'), "", "", false, nullptr},
        {std::string(1 << 19, '=') + "x", "", "", false, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 80));
        MemberRecord record;
        const bool ok =
            ParseDeclaration(row.sourceFile, record, row.text, row.className, row.access);
        EXPECT_EQ(ok, row.expected != nullptr);
        if (ok && row.expected) {
            EXPECT_EQ(Describe(record), row.expected);
        }
    }
}

}  // namespace
}  // namespace analysis
