// The values a template asks for: one request per prompt, and the answers put in place.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "templates/template_expander.h"

namespace templates {

struct ParameterRequest {
    std::string prompt;
    std::string value;  // the default at first, the answer once given
    // Offsets into the expanded text, the latest recorded first.
    std::vector<std::size_t> positions;
};

struct MergedRequests {
    std::vector<ParameterRequest> requests;
    std::vector<std::size_t> requestOfAsk;  // for each ask of the expansion
};

// Asks with the same prompt (exactly) become one request, which keeps the first one's
// default; the requests stay in the order of their first ask.
MergedRequests MergeRequests(const std::vector<AskRecord>& asks);

struct FilledText {
    std::string text;
    std::size_t caretOffset = 0;
};

// Each answer inserted where its asks stood. Answers at one offset come in the order of
// their asks; the caret stays between the answers recorded before and after it.
FilledText InsertAnswers(const Expansion& expansion, const MergedRequests& merged);

// The 1-based line and display column of an offset of a text inserted at `top`, whose first
// line begins at the top's column.
struct CaretPlace {
    long line = 1;
    long column = 1;
};
CaretPlace PlaceCaret(const std::string& text, std::size_t offset, CaretPlace top);

}  // namespace templates
