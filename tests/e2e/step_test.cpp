// Step Up/Down and their selecting variants as the IDE runs them, on files with each kind of
// line break.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "session.h"

namespace e2e {
namespace {

std::string Lines(const std::vector<std::string>& lines, const std::string& eol) {
    std::string text;
    for (const std::string& line : lines)
        text += line + eol;
    return text;
}

// Two functions; the end of the file is line 10, column 1.
const std::vector<std::string> kTwoBodies = {
    "void f()", "{", "    x();", "}", "", "void g()", "{", "    y();", "}",
};

// A third function after them; the end of the file is line 13, column 1.
std::vector<std::string> ThreeBodies() {
    std::vector<std::string> lines = kTwoBodies;
    lines.insert(lines.end(), {"void h()", "{", "}"});
    return lines;
}

const std::pair<std::string, std::string> kEols[] = {{"\n", "LF"}, {"\r\n", "CR LF"}, {"\r", "CR"}};

// "L:C" for a caret without a selection, else "anchor L:C-caret L:C", as zentrel run writes it.
std::string Where(Session& session) {
    auto caret = session.Bench().ActiveCaret();
    if (!caret)
        return "no document";
    std::string at = std::to_string(caret->caretLine) + ":" + std::to_string(caret->caretColumn);
    if (caret->anchorLine == caret->caretLine && caret->anchorColumn == caret->caretColumn)
        return at;
    return std::to_string(caret->anchorLine) + ":" + std::to_string(caret->anchorColumn) + "-" + at;
}

void Place(Session& session, const ide::Ref<ide::Document>& document, const std::string& where) {
    long anchorLine = 0, anchorColumn = 0, caretLine = 0, caretColumn = 0;
    const int read = std::sscanf(where.c_str(), "%ld:%ld-%ld:%ld", &anchorLine, &anchorColumn,
                                 &caretLine, &caretColumn);
    if (read == 2) {
        caretLine = anchorLine;
        caretColumn = anchorColumn;
    }
    std::string error;
    ASSERT_TRUE(session.Bench().SetSelection(document, anchorLine, anchorColumn, caretLine,
                                             caretColumn, error))
        << error;
}

TEST(StepTest, MovesBetweenBodies) {
    struct Case {
        const char* name;
        bool third;            // with a third function after the two
        const char* commands;  // run in turn
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"up from the body lands on the head above the {", false, "StepUp", "8:5", "6:1"},
        {"up from a head", false, "StepUp", "6:1", "1:1"},
        {"up on the first line", false, "StepUp", "1:5", "1:1"},
        {"down from the first head keeps no column", false, "StepDown", "1:5", "6:1"},
        {"down from a }", false, "StepDown", "4:1", "6:1"},
        {"down skips the line below", false, "StepDown", "5:1", "7:1"},
        {"down from the last stop", false, "StepDown", "7:1", "10:1"},
        {"down twice and up", true, "StepDown StepDown StepUp", "1:1", "6:1"},
        {"down collapses a selection", false, "StepDown", "3:2-1:5", "6:1"},
        {"down select", false, "StepDownSelect", "1:5", "1:5-6:1"},
        {"down select again anchors at the former caret column", true,
         "StepDownSelect StepDownSelect", "1:5", "1:1-10:1"},
        {"down select past the last stop keeps the anchor", false, "StepDownSelect StepDownSelect",
         "1:5", "1:5-10:1"},
        {"up select", false, "StepUpSelect", "8:5", "8:5-6:1"},
        {"up select again anchors at the bottom", false, "StepUpSelect StepUpSelect", "8:5",
         "8:1-1:1"},
        {"up select from the top of a selection", false, "StepUpSelect", "9:2-8:2", "9:2-6:1"},
        {"up select running out keeps the anchor", false, "StepUpSelect", "3:3-2:1", "3:3-1:1"},
    };
    for (const auto& [eol, shown] : kEols) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " with " + shown);
            Session session;
            auto document = session.Open("a.cpp", Lines(c.third ? ThreeBodies() : kTwoBodies, eol));
            Place(session, document, c.from);
            std::istringstream commands(c.commands);
            for (std::string command; commands >> command;)
                EXPECT_TRUE(session.Exec("Zentrel2." + command));
            EXPECT_EQ(Where(session), c.to);
            EXPECT_EQ(session.Recorded().messages, std::vector<std::string>{});
        }
    }
}

// Line 3 of "x", "", LINE, "   ": stepping down from line 1 finds it when it is a stop, else
// goes to the end of the file (line 5); stepping up from line 4, column 3, lands on it, or on
// the line above a '{', else at the start of the file.
TEST(StepTest, StopLinesAreThoseStartingWithALetterHashBraceOrBlockComment) {
    const std::pair<std::string, bool> cases[] = {
        {"Z", true},     {"#include <x>", true}, {"/* c */", true}, {"{", true},
        {"// c", false}, {"_u", false},          {"1", false},      {"}", false},
        {"  a", false},  {"~d", false},          {"/x", false},     {"", false},
    };
    for (const auto& [eol, shown] : kEols) {
        for (const auto& [line, stop] : cases) {
            SCOPED_TRACE("\"" + line + "\" with " + shown);
            Session session;
            auto document = session.Open("notes.txt", Lines({"x", "", line, "   "}, eol));
            Place(session, document, "1:1");
            session.Exec("Zentrel2.StepDown");
            EXPECT_EQ(Where(session), stop ? "3:1" : "5:1");

            Place(session, document, "4:3");
            session.Exec("Zentrel2.StepUp");
            EXPECT_EQ(Where(session), !stop ? "1:1" : line == "{" ? "2:1" : "3:1");
        }
    }
}

}  // namespace
}  // namespace e2e
