// Properties over many cases, checked against plain recounts: long random walks over real
// code, every position of a text in every order, every alignment of a word count.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string_view>
#include <vector>

#include "analysis/line_feeds.h"
#include "analysis/text_cursor.h"
#include "support/temp_dir.h"

namespace analysis {
namespace {

std::string ReadCorpus(const char* name) {
    return testing_support::ReadBytes(std::string(ZENTREL_CORPUS_DIR "/") + name);
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
        if (random() % 8 == 0)
            return static_cast<int>(random() % (text.size() + 20)) - 10;
        return from + static_cast<int>(random() % 20001) - 10000;
    };
    for (int i = 0; i < 5000; ++i) {
        const int from = cursor.Position();
        const int op = static_cast<int>(random() % 5);
        if (op == 0) {
            offset = cursor.SetPosition(near(from)) ? 0 : isLf(length - 1);
        } else if (op <= 2) {
            const int step = random() % 2 == 0 ? 1 : -1;
            const bool skip = random() % 2 == 0;
            if (cursor.FindAny(step, skip, {"struct", "#define", "\r", "sqlite3_vfs"}) >= 0)
                offset = 0;
        } else if (op == 3) {
            const int steps = static_cast<int>(random() % 6001) - 3000;
            const bool moved = cursor.Move(steps);
            if (steps < 0)
                offset += moved ? isLf(cursor.Position()) - isLf(from) : -isLf(from);
            else if (!moved && steps > 0)
                offset += isLf(length - 1);
        } else {
            const int line =
                std::min(lfBefore[std::clamp(near(from), 0, length - 1)], lfBefore.back() - 1);
            cursor.GotoLineColumn(line, 3);
            ASSERT_EQ(cursor.Line(), line) << "step " << i;
            offset = 0;
        }
        ASSERT_EQ(cursor.Line(), lfBefore[cursor.Position()] + offset)
            << "step " << i << ": operation " << op << " from " << from << " to "
            << cursor.Position();
    }
}

// The cursor remembers line starts, blank runs and "//" between calls; in whatever order
// the questions come, it must answer as a cursor that remembers nothing.
TEST(TextCursorProperty, RememberedLineFactsAnswerLikeFreshOnes) {
    std::string text =
        "f(a, // (\n b) { /* } */ }\r\n  // x { ( [\n\n \t\n\t g[i] = (c + // )\n d);\n"
        "\n  \n//\n s <x<y>> z; // ok\n" +
        std::string(400, 'x') + " ( x\n";
    text += ReadCorpus("sqlite3.h").substr(0, 2000);
    const int length = static_cast<int>(text.size());
    std::vector<int> order;
    std::mt19937 random(7);
    for (int i = 0; i < 3 * length; ++i) {
        order.push_back(i < length       ? i
                        : i < 2 * length ? 2 * length - 1 - i
                                         : static_cast<int>(random() % length));
    }
    const auto ask = [](TextCursor& cursor, int at) {
        cursor.SetPosition(at);
        std::vector<int> answers = {cursor.DisplayColumn()};
        const auto record = [&](int result) {
            answers.insert(answers.end(), {result, cursor.Position(), cursor.Line()});
            cursor.SetPosition(at);
        };
        record(cursor.MatchBracket());
        record(cursor.GotoLineStart());
        record(cursor.FindAny(1, true, {"\n", " x", "("}));
        record(cursor.FindAny(-1, true, {"\n", " x", "("}));
        return answers;
    };
    TextCursor remembering(text);
    for (int at : order) {
        TextCursor fresh(text);
        ASSERT_EQ(ask(remembering, at), ask(fresh, at)) << "at " << at;
    }
}

// Word-at-a-time counting must not mistake bytes that differ from LF only in the top bit,
// or carry between bytes, whatever the alignment.
TEST(CountLineFeeds, AgreesWithACharacterCountAtEveryAlignment) {
    const std::string pattern("\n\x8a\xff\0\x0b\x09\n\n\x7f\x80\n", 11);
    std::string text;
    for (int i = 0; i < 5; ++i) {
        text += pattern;
    }
    for (std::size_t from = 0; from < 17; ++from) {
        for (std::size_t length = 0; from + length <= text.size(); ++length) {
            const std::string_view piece = std::string_view(text).substr(from, length);
            ASSERT_EQ(CountLineFeeds(piece), std::count(piece.begin(), piece.end(), '\n'))
                << "from " << from << " length " << length;
        }
    }
}

}  // namespace
}  // namespace analysis
