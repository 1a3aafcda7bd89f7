#include "analysis/class_scope.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/annotated_text.h"

namespace analysis {
namespace {

// `^` marks the line asked about.
struct Row {
    const char* text;
    bool found;
    const char* className;
    const char* access = "";
};

// `className` starts as `before`.
template <typename Find>
void Check(const Row& row, Find find, const char* before = "") {
    SCOPED_TRACE(row.text);
    const testing_support::Annotated parsed = testing_support::ParseAnnotated(row.text);
    const auto caret = parsed.text.begin() + static_cast<long>(parsed.caret.value_or(0));
    const int line = static_cast<int>(std::count(parsed.text.begin(), caret, '\n'));
    std::string className = before;
    std::string access;
    EXPECT_EQ(find(parsed.text, line, className, access), row.found);
    EXPECT_EQ(className, row.className);
    EXPECT_EQ(access, row.access);
}

TEST(ClassScope, FindsTheClassAndTheNearestColonAbove) {
    const Row rows[] = {
        {"class CFoo : public CBase\n{\npublic:\n\tint a;\nprotected:\n^\tvoid Bar();\n};", true,
         "CFoo", "protected"},
        {"class CFoo {\n^\tint a;\n};", true, "CFoo"},
        // The nearest colon decides, whatever it belongs to; one with no word goes on.
        {"class CFoo {\npublic:\n\tstd::string m_name;\n^\tint b;\n};", true, "CFoo", "std"},
        {"class CFoo {\npublic:\n\tint a; // note :\n^\tint b;\n};", true, "CFoo", "public"},
        {"class CFoo {\npublic:\n  // private:\n^\tint a;\n};", true, "CFoo", "public"},
        {"class CFoo {\npublic:\n\tvoid F() { a: if (x) { y(); } }\n^\tint b;\n};", true, "CFoo",
         "public"},
        // In an inline body the function's brace is the scope: only the first member reaches
        // the class head, and the label above it is not seen.
        {"class CFoo {\nprivate:\n\tvoid F() {\n^\t\tx = 1;\n\t}\n};", true, "CFoo"},
        {"class CFoo {\n\tint a;\n\tvoid F() {\n^\t\tx = 1;\n\t}\n};", false, ""},
        {"template<class T> class CList {\npublic:\n^\tT* m_p;\n};", true, "CList", "public"},
        {"class CFoo : public CBase<Subclass> {\n^\tint a;\n};", true, "CFoo"},
        {"interface IFoo : IUnknown\n{\n^\tvoid F();\n};", true, "IFoo"},
        // The keywords count inside longer words.
        {"struct CSubclassView : CView {\n^\tint a;\n};", true, "CSubclassView"},
        {"namespace Subclass {\n^\tint a;\n}", true, "Subclass"},
        {"template<class T> void F(T t) {\n^\tint b;\n}", false, ""},
        {"int x;\nvoid F() {\n^\tint b;\n}", false, ""},
        {"}\n^int a;", false, ""},
        {":\n^int a;", false, ""},
        // Whole blocks are passed over on the way back; a '}' on a "//" line is not one.
        {"class A {\n\tclass B {\n^\t\tint x;\n\t};\n};", true, "B"},
        {"class A {\npublic:\n\tclass B { int y; };\n^\tint x;\n};", true, "A", "public"},
        {"class A { int a; }; class B {\n^\tint x;\n};", true, "B"},
        {"class A {\n\tint y;\n};\n^int x;", false, ""},
        {"namespace N {\nclass A;\n}\nclass B {\n^\tint x;\n};", true, "B"},
        {"class A {\npublic: int a; private: int b;\n^\tint x;\n};", true, "A", "private"},
        {"class A {\n\t// }\n^\tint x;\n};", true, "A"},
        {"class A {\n\tvoid F() { /* } */ }\n^\tint x;\n};", true, "A"},
        {"class A {\n\tvoid F() { // {\n\t}\n^\tint y;\n};", true, "A"},
        // Braces the walk cannot tell from code: in a block comment it meets before the
        // comment's start, in a character literal, in a disabled block.
        {"class A {\n\t/* } */\n^\tint x;\n};", false, ""},
        {"class A {\n\tchar c = '}';\n^\tint x;\n};", false, ""},
        {"class A {\n#if 0\n}\n#endif\n^\tint x;\n};", false, ""},
        {"}\n}\n^int x;", false, ""},
    };
    for (const Row& row : rows)
        Check(row, FindClassScope);
}

TEST(ClassScope, TextEndsAtItsFirstNul) {
    // Line 3 lies in class B only past the NUL: before it the text ends after class A.
    const std::string text("class A {};\0\n};\nclass B {\n\tint x;\n};", 36);
    std::string className;
    std::string access;
    EXPECT_FALSE(FindClassScope(text, 3, className, access));
    EXPECT_TRUE(FindClassScope(text.substr(12), 3, className, access));
    EXPECT_EQ(className, "B");
}

TEST(ClassScope, DefinitionClassIsTheFirstQualificationOrHeadFromTheLine) {
    const Row rows[] = {
        {"void A::F() {}\n^void CFoo::Draw()\n{\n}", true, "CFoo"},
        {"^CFoo::CFoo()", true, "CFoo"},
        {"^bool CFoo::operator<=(int) const;", true, "CFoo"},
        {"^x = ::GetTickCount();\n// COld::F\nvoid CBar::X()", true, "CBar"},
        {"^class CFwd;\nclass CFoo : public CBase {", true, "CFoo"},
        {"^template<class T> CList<T>::CList()", true, "CList"},
        // Whatever word follows the template's brackets.
        {"^template<class T> void Swap(T& a)", true, "void"},
        {"^template<class T\nvoid CFoo::F()", true, "CFoo"},
        {"^template<class T> ", false, ""},
        {"^class X\nclass Y", false, ""},
        {"^int x;\n", false, ""},
    };
    for (const Row& row : rows)
        Check(
            row,
            [](std::string_view text, int line, std::string& name, std::string&) {
                return FindDefinitionClass(text, line, name);
            },
            "stale");
}

}  // namespace
}  // namespace analysis
