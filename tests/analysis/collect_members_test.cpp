#include "analysis/collect_members.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <random>

#include "analysis/class_scope.h"
#include "support/temp_dir.h"

namespace analysis {
namespace {

// The names read, each checked to be non-empty, joined by spaces.
std::string Names(std::string_view text, std::string_view className, int line, int count,
                  bool firstOnly) {
    MemberList members;
    CollectMembers(false, text, className, "", line, count, firstOnly, members);
    std::string names;
    for (const auto& member : members) {
        EXPECT_FALSE(member->Member.empty()) << "line " << line << " of " << text.substr(0, 200);
        names += (names.empty() ? "" : " ") + member->Member;
    }
    return names;
}

TEST(CollectMembers, CutsAtSemicolonsAndBracesFromTheLineOn) {
    using namespace std::string_literals;
    const struct {
        std::string text;
        int line, count;
        bool firstOnly;
        const char* names;
    } rows[] = {
        {"int a;\nint b;\r\nint c;", 0, INT_MAX, false, "a b c"},
        {"int a;\nint b;\nint c;", 1, 0, false, "b"},
        {"int a;\nint b;\nint c;", 0, INT_MAX, true, "a"},
        {"void F() {\n\tint x;\n}\nint b;", 0, INT_MAX, false, "F b"},
        {"void F() {\n\tint x;\nint y;", 0, INT_MAX, false, "F"},
        {"void F(int a,\n\tint b,\n\tint c);", 0, 1, false, ""},
        {"void F(int a,\n\tint b,\n\tint c);", 0, 2, false, "F"},
        {"int a;\nint last\0int b;"s, 0, INT_MAX, false, "a last"},
        {"// a { b\nint c;", 0, INT_MAX, false, "c"},
        {"int a;", 5, INT_MAX, false, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Names(row.text, "", row.line, row.count, row.firstOnly), row.names) << row.text;
}

// Real code nobody here wrote, whole and cut at arbitrary bytes, read as a walk over a file
// and as Friend Member reads a caret's line: it ends, and every record has a name.
TEST(CollectMembers, EndsWithNamedRecordsOnRealCode) {
    std::mt19937 random(20261207);
    std::size_t nameBytes = 0;
    std::error_code error;
    for (std::filesystem::recursive_directory_iterator it(ZENTREL_CORPUS_DIR, error), end;
         !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const std::string text = testing_support::ReadBytes(it->path());
        SCOPED_TRACE(it->path().string());
        nameBytes += Names(text, "", 0, INT_MAX, false).size();
        for (std::size_t at = 0; at < text.size();) {
            const std::string_view slice = std::string_view(text).substr(at, 1 + random() % 65536);
            at += slice.size();
            nameBytes += Names(slice, "", 0, INT_MAX, false).size();
            const int lines = static_cast<int>(std::count(slice.begin(), slice.end(), '\n'));
            for (int i = 0; i < 3; ++i) {
                const int line = static_cast<int>(random() % (lines + 2));
                std::string className;
                std::string access;
                FindClassScope(slice, line, className, access);
                Names(slice, className, line, 1, true);
                FindDefinitionClass(slice, line, className);
            }
        }
    }
    if (nameBytes == 0 && error)
        GTEST_SKIP() << "no corpus at " ZENTREL_CORPUS_DIR;
    // A body is passed over whole, so a file inside extern "C" { } gives few from its start,
    // but a collector that reads almost nothing is broken.
    EXPECT_GT(nameBytes, 100000u);
}

}  // namespace
}  // namespace analysis
