#include "templates/bracket_table.h"

#include <gtest/gtest.h>

#include <random>

#include "analysis/text_cursor.h"

namespace templates {
namespace {

// The editor's own matching, walked from the bracket.
long CursorPartner(const std::string& text, std::size_t open) {
    analysis::TextCursor cursor(text);
    cursor.SetPosition(static_cast<int>(open));
    return cursor.MatchBracket() ? cursor.Position() : -1;
}

// Outside /* */ comments the table answers as the editor's matching would, for every '(' of
// many small texts made of the characters that matter.
TEST(BracketTableTest, AgreesWithTheEditorsMatchingOutsideBlockComments) {
    std::mt19937 random(7);
    const std::string alphabet = "(()) /*\n\r";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 24, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        const BracketTable table(text);
        bool inBlock = false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            // A rough reading of block comments: where it may be in one, the table counts plainly.
            inBlock = inBlock || text.compare(i, 2, "/*") == 0;
            if (text[i] == '(' && !inBlock) {
                ASSERT_EQ(table.Partner(i), CursorPartner(text, i)) << '"' << text << "\" at " << i;
            }
        }
    }
}

TEST(BracketTableTest, CountsPlainlyAfterSlashesAndInBlockComments) {
    const struct {
        const char* text;
        std::size_t open;
        long partner;
    } rows[] = {
        {"(a /* ) */ )", 0, 11},
        {"// (a /* ) */ )", 3, 9},
        {"/* (a */ )", 3, 9},
        {"(a // )\n)", 0, 8},
        {"(a // )", 0, 6},
        {"((", 0, -1},
        {"x", 0, -1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BracketTable(row.text).Partner(row.open), row.partner) << row.text;
}

}  // namespace
}  // namespace templates
