// Long random walks over real code, checked against naive recounts.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string_view>
#include <vector>

#include "analysis/text_cursor.h"

namespace analysis {
namespace {

std::string ReadCorpus(const char* name) {
    std::ifstream in(std::string(ZENTREL_CORPUS_DIR "/") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(TextCursorProperty, LineCounterMatchesLfCountAfterRandomMoves) {
    const std::string text = ReadCorpus("sqlite3.h");
    if (text.empty()) {
        GTEST_SKIP() << "corpus file sqlite3.h missing";
    }
    const int length = static_cast<int>(text.size());
    std::vector<int> lfBefore(text.size() + 1, 0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        lfBefore[i + 1] = lfBefore[i] + (text[i] == '\n' ? 1 : 0);
    }
    const auto isLf = [&](int at) { return text[at] == '\n' ? 1 : 0; };

    TextCursor cursor(text);
    std::mt19937 random(20261206);
    // Line() minus the LFs before the position. Only Move makes it nonzero: backward it
    // counts the LF it leaves instead of the one it passes, and reaching the end counts
    // the last character.
    int offset = 0;
    // Mostly short jumps, as callers make them, and now and then one across the text.
    const auto near = [&](int from) {
        if (random() % 8 == 0) {
            return static_cast<int>(random() % (text.size() + 20)) - 10;
        }
        return from + static_cast<int>(random() % 20001) - 10000;
    };
    for (int i = 0; i < 5000; ++i) {
        const int from = cursor.Position();
        std::ostringstream op;
        switch (random() % 5) {
            case 0: {
                const int to = near(from);
                op << "SetPosition(" << to << ")";
                offset = cursor.SetPosition(to) ? 0 : isLf(length - 1);
                break;
            }
            case 1:
            case 2: {
                const int step = random() % 2 == 0 ? 1 : -1;
                const bool skip = random() % 2 == 0;
                op << "FindAny(" << step << ", " << skip << ")";
                if (cursor.FindAny(step, skip, {"struct", "#define", "\r", "sqlite3_vfs"}) >= 0) {
                    offset = 0;
                }
                break;
            }
            case 3: {
                const int steps = static_cast<int>(random() % 6001) - 3000;
                op << "Move(" << steps << ")";
                const bool moved = cursor.Move(steps);
                const int to = cursor.Position();
                if (steps < 0) {
                    offset += moved ? isLf(to) - isLf(from) : -isLf(from);
                } else if (!moved && steps > 0) {
                    offset += isLf(length - 1);
                }
                break;
            }
            default: {
                const int line =
                    std::min(lfBefore[std::clamp(near(from), 0, length - 1)], lfBefore.back() - 1);
                op << "GotoLineColumn(" << line << ", 3)";
                cursor.GotoLineColumn(line, 3);
                ASSERT_EQ(cursor.Line(), line) << op.str();
                offset = 0;
                break;
            }
        }
        ASSERT_EQ(cursor.Line(), lfBefore[cursor.Position()] + offset)
            << "step " << i << ": " << op.str() << " from " << from << " to " << cursor.Position();
    }
}

// The rule read plainly: a match is passed over when its line, from its first character
// on, with leading white space (line ends included) removed, begins with "//".
bool NaiveCommentLine(const std::string& text, std::size_t at) {
    const std::size_t lineEnd = at == 0 ? std::string::npos : text.find_last_of("\r\n", at - 1);
    const std::size_t first =
        text.find_first_not_of(" \t\r\n", lineEnd == std::string::npos ? 0 : lineEnd + 1);
    return first != std::string::npos && text.compare(first, 2, "//") == 0;
}

TEST(TextCursorProperty, CommentLineSkippingMatchesTheLiteralRule) {
    std::vector<std::string> texts = {
        "  // a\n\n\n   \n  a // a\r\n\r\n  //a\n a a a a // a\n//\n a\n\n \t\n",
        std::string(3000, 'a') + "\n" + std::string(2000, ' ') + "// a a\n" +
            std::string(900, '\n'),
    };
    if (std::string corpus = ReadCorpus("sqlite3.h"); !corpus.empty()) {
        texts.push_back(corpus.substr(0, 60000));
    }
    const std::vector<std::string_view> strings = {"\n", " a", "a", "/"};
    for (const std::string& text : texts) {
        std::vector<int> expected;
        for (std::size_t at = 0; at < text.size(); ++at) {
            const std::string_view rest = std::string_view(text).substr(at);
            const bool matches = rest.starts_with("\n") || rest.starts_with(" a") ||
                                 rest.starts_with("a") || rest.starts_with("/");
            if (matches && !NaiveCommentLine(text, at)) {
                expected.push_back(static_cast<int>(at));
            }
        }
        for (int step : {1, -1}) {
            TextCursor cursor(text);
            step > 0 ? cursor.GotoStart() : cursor.GotoEnd();
            std::vector<int> found;
            while (cursor.FindAny(step, true, strings) >= 0) {
                found.push_back(cursor.Position());
                if (!cursor.Move(step)) {
                    break;
                }
            }
            if (step < 0) {
                std::reverse(found.begin(), found.end());
            }
            EXPECT_EQ(found, expected) << "step " << step << " over " << text.substr(0, 40);
        }
    }
}

}  // namespace
}  // namespace analysis
