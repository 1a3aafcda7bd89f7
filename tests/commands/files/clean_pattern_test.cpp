// Wildcards as the file system finds them, in any case; the read-once patterns answer as the
// general match does, on the shapes that take the short ways (a plain name, one leading star)
// and on those that must not.
#include "commands/files/clean_pattern.h"

#include <gtest/gtest.h>

#include "commands/files/file_types.h"

namespace commands::files {
namespace {

TEST(CleanPattern, AnswersAsTheWildcardMatch) {
    const struct {
        const char* pattern;
        const char* name;
        bool matches;
    } cases[] = {
        {"*.obj", "x.OBJ", true},
        {"*.obj", "x.obja", false},
        {"*.OBJ", "x.obj", true},
        {"*.obj", ".obj", true},
        {"*.obj", "obj", false},
        {"*.obj", "x.obj.txt", false},
        {"*.obj", "x_obj", false},
        {"a.*", "a", true},
        {"", "a", false},
        {"BuildLog.htm", "BUILDLOG.HTM", true},
        {"BuildLog.htm", "BuildLog.htm.bak", false},
        {"BuildLog.htm", "xBuildLog.htm", false},
        // Only A to Z change case; other bytes stand for themselves.
        {"*.\xc9", "x.\xe9", false},
        {"[a]", "[A]", true},
        // Shapes for the general match: more stars, '?', and ".*" at the end.
        {"*", "anything", true},
        {"*", "", true},
        {"**.obj", "x.obj", true},
        {"*.o?j", "x.oBj", true},
        {"x*.obj", "y.obj", false},
        {"x*y*z", "xaayazz", true},
        {"x*y*z", "xaazy", false},
        {"a?c", "ac", false},
        {"*.*", "Makefile", true},
        {"Make?ile", "makefile", true},
    };
    for (const auto& c : cases) {
        const CleanPattern pattern(c.pattern);
        EXPECT_EQ(pattern.Matches(c.name), c.matches) << c.pattern << " " << c.name;
        EXPECT_EQ(MatchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
    }
}

}  // namespace
}  // namespace commands::files
