// Commenting lines out and back in, as plain text: no editor needed.
#pragma once

#include <string>
#include <string_view>

namespace commands::edit {

// How lines are commented out: "//" on every line, "/*" ... "*/" around them, or the lines
// between "#if 0" and "#endif". Any of the three is recognised when commenting back in.
enum class CommentStyle { kLine = 0, kBlock = 1, kPreprocessor = 2 };

// A stored style number; one outside the three known falls back to line comments, which
// every text survives.
CommentStyle CommentStyleFromNumber(int number);

struct ToggledText {
    std::string text;
    // Lines by which the end of the range to select again moves.
    int shift = 0;
};

// Whole lines: comments them back in when they are commented in one of the three forms,
// else comments them out in `style`. Lines keep their own line ends; lines added take the
// text's first line end, or `lineEnd` when it has none.
ToggledText ToggleComment(std::string_view text, CommentStyle style,
                          std::string_view lineEnd = "\r\n");

// Part of one line: "/*" and "*/" taken off when they surround it, else put around it.
std::string ToggleInlineComment(std::string_view text);

}  // namespace commands::edit
