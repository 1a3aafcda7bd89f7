// Template expansion: "$(name)" variables of the add-in and "$$(NAME)" environment variables,
// either with a "/default" used when the value comes out empty. A template that uses a
// copied member is expanded once per copied member, the copies following each other.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "templates/expanded_text.h"
#include "templates/variable_source.h"

namespace templates {

// Nested toupper( and tolower( deeper than this stay in the text as written.
inline constexpr int kMaxCaseNesting = 16;

// A value the user is asked for, and where in the result the answer goes.
struct AskRecord {
    std::string prompt;
    std::string defaultValue;
    std::size_t position = 0;
};

struct Expansion {
    std::string text;
    bool caretRequested = false;
    // Where the last $(cursor) stood: 1-based document line (from the selection's top line)
    // and 1-based display column, as if the text began in column 1.
    long caretLine = 0;
    long caretColumn = 0;
    std::size_t caretOffset = 0;
    // How many asks were recorded before the caret, so an answer at the caret's own offset
    // goes before it or after it as its variable stood.
    std::size_t asksBeforeCaret = 0;
    // In the order met, so by position; the answers are not in the text.
    std::vector<AskRecord> asks;
};

Expansion ExpandTemplate(std::string_view text, VariableSource& source);

}  // namespace templates
