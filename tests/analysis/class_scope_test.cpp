#include "analysis/class_scope.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/annotated_text.h"

namespace analysis {
namespace {

// `^` marks the line asked about (any column of it).
struct Asked {
    std::string text;
    int line;
};
Asked AtCaret(const std::string& annotated) {
    const testing_support::Annotated parsed = testing_support::ParseAnnotated(annotated);
    const std::size_t caret = parsed.caret.value_or(0);
    return {parsed.text,
            static_cast<int>(std::count(parsed.text.begin(), parsed.text.begin() + caret, '\n'))};
}

struct Row {
    const char* text;
    bool found;
    const char* className;
    const char* access;
};

TEST(ClassScope, FindsTheClassAndTheNearestColonAbove) {
    const Row rows[] = {
        {"class CFoo : public CBase\n{\npublic:\n\tint a;\nprotected:\n^\tvoid Bar();\n};", true,
         "CFoo", "protected"},
        {"class CFoo {\n^\tint a;\n};", true, "CFoo", ""},
        {"class CFoo {\r\npublic:\r\n^\tint a;\r\n};", true, "CFoo", "public"},
        // The nearest colon decides, whatever it belongs to.
        {"class CFoo {\npublic:\n\tstd::string m_name;\n^\tint b;\n};", true, "CFoo", "std"},
        {"class CFoo {\npublic:\n\tint a; // note :\n^\tint b;\n};", true, "CFoo", "public"},
        {"class CFoo {\npublic:\n  // private:\n^\tint a;\n};", true, "CFoo", "public"},
        // Nested blocks are passed over whole, their colons too.
        {"class CFoo {\npublic:\n\tvoid F() { a: if (x) { y(); } }\n^\tint b;\n};", true, "CFoo",
         "public"},
        // Inside an inline body the function's brace is the scope: the label above it is not
        // seen, and only the first member reaches the class head.
        {"class CFoo {\nprivate:\n\tvoid F() {\n^\t\tx = 1;\n\t}\n};", true, "CFoo", ""},
        {"class CFoo {\n\tint a;\n\tvoid F() {\n^\t\tx = 1;\n\t}\n};", false, "", ""},
        {"template<class T> class CList {\npublic:\n^\tT* m_p;\n};", true, "CList", "public"},
        {"class CFoo : public CBase<Subclass> {\n^\tint a;\n};", true, "CFoo", ""},
        {"interface IFoo : IUnknown {\n^\tvoid F();\n};", true, "IFoo", ""},
        {"class CFoo\n{\n^\tint a;\n};", true, "CFoo", ""},
        // The keywords count inside longer words.
        {"struct CSubclassView : CView {\n^\tint a;\n};", true, "CSubclassView", ""},
        {"namespace Subclass {\n^\tint a;\n}", true, "Subclass", ""},
        // Not a class.
        {"template<class T> void F(T t) {\n^\tint b;\n}", false, "", ""},
        {"int x;\nvoid F() {\n^\tint b;\n}", false, "", ""},
        {"void F() {\n^\tint b;\n}", false, "", ""},
        {"}\n^int a;", false, "", ""},
        {":\n^int a;", false, "", ""},
        {"^", false, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const Asked asked = AtCaret(row.text);
        std::string className;
        std::string access;
        EXPECT_EQ(FindClassScope(asked.text, asked.line, className, access), row.found);
        EXPECT_EQ(className, row.className);
        EXPECT_EQ(access, row.access);
    }
}

TEST(ClassScope, KeepsAnAccessTextGivenOnEntry) {
    std::string className;
    std::string access = "given";
    EXPECT_TRUE(FindClassScope("class C {\npublic:\n\tint a;\n};", 2, className, access));
    EXPECT_EQ(access, "given");
}

TEST(ClassScope, DefinitionClassIsTheFirstQualificationOrHeadFromTheLine) {
    const Row rows[] = {
        {"^void CFoo::Draw()\n{\n}", true, "CFoo", ""},
        {"void A::F() {}\n^void B::G() {}", true, "B", ""},
        {"^CFoo::CFoo()\n{\n}", true, "CFoo", ""},
        {"^bool CFoo::operator<=(int) const;", true, "CFoo", ""},
        {"^x = ::GetTickCount();\nvoid CBar::X()", true, "CBar", ""},
        {"^// CFoo::Old\nvoid CNew::F()", true, "CNew", ""},
        {"^class CFoo : public CBase {", true, "CFoo", ""},
        {"^class CFoo\n{", true, "CFoo", ""},
        {"^class CFwd;\nclass CReal {", true, "CReal", ""},
        {"^template<class T> CList<T>::CList()", true, "CList", ""},
        // Whatever word follows the template's brackets.
        {"^template<class T> void Swap(T& a)", true, "void", ""},
        {"^template<class T\nvoid CFoo::F()", true, "CFoo", ""},
        {"^template<class T> ", false, "", ""},
        {"^class ", false, "", ""},
        {"^class X\nclass Y", false, "", ""},
        {"^int x;\n", false, "", ""},
        {"^", false, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const Asked asked = AtCaret(row.text);
        std::string className = "stale";
        EXPECT_EQ(FindDefinitionClass(asked.text, asked.line, className), row.found);
        EXPECT_EQ(className, row.className);
    }
}

}  // namespace
}  // namespace analysis
