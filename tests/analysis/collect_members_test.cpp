#include "analysis/collect_members.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace analysis {
namespace {

// The names collected, each after its class and "::" when it has one, joined by spaces.
std::string Names(std::string_view text, int line, int count, bool firstOnly,
                  std::string_view className = "", std::string_view access = "") {
    MemberList members;
    CollectMembers(false, text, className, access, line, count, firstOnly, members);
    std::string names;
    for (const auto& member : members) {
        names += names.empty() ? "" : " ";
        names += member->Class.empty() ? member->Member : member->Class + "::" + member->Member;
    }
    return names;
}

TEST(CollectMembers, CutsAtSemicolonsAndBracesFromTheLineOn) {
    using namespace std::string_literals;
    const struct {
        std::string text;
        int line;
        int count;
        bool firstOnly;
        const char* names;
    } rows[] = {
        {"int a;\nint b;\r\nint c;", 0, INT_MAX, false, "a b c"},
        {"int a;\nint b;\nint c;", 1, 0, false, "b"},
        {"int a;\nint b;\nint c;", 0, INT_MAX, true, "a"},
        // A body is passed over whole.
        {"void F() {\n\tint x;\n}\nint b;", 0, INT_MAX, false, "F b"},
        {"void F() {\n\tint x;\nint y;", 0, INT_MAX, false, "F"},
        // The terminator may stand `count` lines below the line.
        {"void F(int a,\n\tint b,\n\tint c);", 0, 1, false, ""},
        {"void F(int a,\n\tint b,\n\tint c);", 0, 2, false, "F"},
        // A last declaration without terminator still ends.
        {"int a;\nint last", 1, 1, false, "last"},
        {"int a;\nint last\0int b;"s, 0, INT_MAX, false, "a last"},
        // Terminators on comment lines do not count.
        {"// a { b\nint c;", 0, INT_MAX, false, "c"},
        {"};\n\tvoid F();", 0, 1, false, "F"},
        {"", 0, INT_MAX, false, ""},
        {"int a;", 5, INT_MAX, false, ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Names(row.text, row.line, row.count, row.firstOnly), row.names) << row.text;
    }
}

TEST(CollectMembers, ReadsInTheClassGiven) {
    MemberList members;
    CollectMembers(false, "void F();\nint CBar::x;\nint CFoo::y;", "CFoo", "protected", 0, INT_MAX,
                   false, members);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0]->Member + members[1]->Member, "Fy");
    EXPECT_EQ(members[0]->Class, "CFoo");
    EXPECT_EQ(members[0]->Access, 1);
}

}  // namespace
}  // namespace analysis
