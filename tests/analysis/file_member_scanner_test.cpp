#include "analysis/file_member_scanner.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace analysis {
namespace {

// The text with every `[[name]]` unmarked, and "name@line" for each, in order.
std::pair<std::string, std::string> Unmark(std::string_view annotated) {
    std::string text;
    std::string expected;
    std::size_t at = 0;
    while (at < annotated.size()) {
        const std::size_t open = annotated.find("[[", at);
        text += annotated.substr(at, open - at);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = annotated.find("]]", open);
        const std::string_view name = annotated.substr(open + 2, close - open - 2);
        const auto line = std::count(text.begin(), text.end(), '\n') + 1;
        expected += (expected.empty() ? "" : " ") + std::string(name) + "@" + std::to_string(line);
        text += name;
        at = close + 2;
    }
    return {text, expected};
}

std::string Scan(std::string_view text, bool showClasses) {
    std::vector<std::string> names;
    std::vector<std::uint32_t> lines;
    ScanFileMembers(text, showClasses, names, lines);
    EXPECT_EQ(names.size(), lines.size());
    std::string found;
    for (std::size_t i = 0; i < names.size() && i < lines.size(); ++i)
        found += (found.empty() ? "" : " ") + names[i] + "@" + std::to_string(lines[i]);
    return found;
}

TEST(ScanFileMembers, ListsWhatEachBraceOpens) {
    const struct {
        std::string annotated;
        bool showClasses = false;
    } rows[] = {
        // Namespaces are read inside, class bodies are passed over.
        {"namespace [[N]] {\nclass [[CFoo]] : public CBar {\n  void Inner() {\n  }\n};\n}\n"},
        {"namespace {\nvoid [[f]]()\n{\n}\n}\n"},
        {"extern \"C\" {\nint [[f]](void)\n{\n}\n}\n"},
        {"class [[CFoo]] : public Base<CFoo>\n{\n};\n"},
        {"template<class T> struct [[X]]\n{\n};\ntemplate<> union [[Y]]<int>\n{\n};\n"},
        {"template<class T>\nclass [[Z]]\n{\n};\n"},
        // Functions, their qualification and constructors.
        {"void CFoo::[[Bar]]()\r\n{\r\n}\r\n"},
        {"void [[CFoo::Bar]]()\n{\n}\nvoid A::[[B::f]]()\n{\n}\n", true},
        {"CFoo::[[CFoo]](int a) : m_a(a), m_b(0)\n{\n}\n"},
        {"[[CFoo::CFoo]](int a)\n  : m_a(a)\n{\n}\n", true},
        {"CFoo::[[~CFoo]]()\n{\n}\nbool [[operator==]](const A& a, const A& b)\n{\n}\n"},
        {"int [[f ]](int a /*= 0*/, int b /* = 1*/)\n{\n}\n"},
        {"int [[f]](int x) {\n  if (x > 1) {\n  }\n}\nint [[g]]() {\n}\n"},
        {"bool [[f]](a<b> c, d > e)\n{\n}\n"},
        // An unclosed body is read inside.
        {"int [[f]]() {\nint [[g]]() {\n"},
        // Initialisers.
        {"const int [[k]][] =\n{ 1, 2 };\n"},
        {"static int [[table]] [ 4 ] = {\n  1,\n};\n"},
        // Braces that are not seen or name nothing.
        {"void f() { return; }\nint g() {  return 1; }\n"},
        {"int f()\n// note\n{ return 1; }\nint [[g]]()\n// note\n{\n}\n"},
        {"int f()\r\n  // note\r\n{ return 1; }\r\n"},
        {"if (a == b) {\n  x();\n}\nint [[g]]()\n{\n}\n"},
        {"if (a != b) {\n}\nwhile (a <= b) {\n}\n"},
        {"struct classroom\n{\n};\nint x;\n"},
        {"int x;\n"},
        // Braces in literals do not end a body early or late.
        {"int [[f]]() {\n  s = \"{\";\n  c = '{';\n  if (a) {\n  }\n}\n"},
        // Nor is anything in a comment or a directive read.
        {"/*\nvoid old()\n{\n}\n*/\n#define M(x) x\n{\n}\nint [[g]]()\n{\n}\n"},
        // An entry on the line of the one before is dropped; the scan goes on.
        {"int [[f]]() {\r}\rint g() {\r}\n int [[h]]()\n{\n}\n"},
        // Lines past 65535.
        {std::string(70000, '\n') + "void [[far]]()\n{\n}\n"},
    };
    for (const auto& row : rows) {
        const auto [text, expected] = Unmark(row.annotated);
        EXPECT_EQ(Scan(text, row.showClasses), expected) << text.substr(0, 200);
    }
}

TEST(ScanFileMembers, AppendsToWhatTheListsHold) {
    std::vector<std::string> names{"kept"};
    std::vector<std::uint32_t> lines{99};
    ScanFileMembers("int f()\n{\n}\n", false, names, lines);
    EXPECT_EQ(names, (std::vector<std::string>{"kept", "f"}));
    EXPECT_EQ(lines, (std::vector<std::uint32_t>{99, 1}));
}

// Real code: no crash, names never empty, lines rising within the text.
TEST(ScanFileMembers, CorpusFilesGiveRisingLines) {
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ZENTREL_CORPUS_DIR)) {
        if (!entry.is_regular_file())
            continue;
        const std::string text = testing_support::ReadBytes(entry.path());
        const auto lineCount = std::count(text.begin(), text.end(), '\n') + 1;
        for (bool showClasses : {false, true}) {
            std::vector<std::string> names;
            std::vector<std::uint32_t> lines;
            ScanFileMembers(text, showClasses, names, lines);
            ASSERT_EQ(names.size(), lines.size()) << entry.path();
            for (std::size_t i = 0; i < names.size(); ++i) {
                EXPECT_FALSE(names[i].empty()) << entry.path() << " entry " << i;
                EXPECT_LE(lines[i], lineCount) << entry.path() << " " << names[i];
                if (i > 0) {
                    EXPECT_LT(lines[i - 1], lines[i]) << entry.path() << " " << names[i];
                }
            }
        }
        ++files;
    }
    EXPECT_GT(files, 3);
}

}  // namespace
}  // namespace analysis
