#include "support/annotated_text.h"

#include <stdexcept>

namespace testing_support {

Annotated ParseAnnotated(const std::string& annotated) {
    Annotated out;
    std::optional<std::size_t> open;
    std::optional<std::size_t> close;
    for (std::size_t i = 0; i < annotated.size(); ++i) {
        if (annotated.compare(i, 2, "[[") == 0) {
            open = out.text.size();
            ++i;
        } else if (annotated.compare(i, 2, "]]") == 0) {
            close = out.text.size();
            ++i;
        } else if (annotated[i] == '^') {
            out.caret = out.text.size();
        } else {
            out.text += annotated[i];
        }
    }
    if (open.has_value() != close.has_value()) {
        throw std::invalid_argument("unbalanced selection marks in: " + annotated);
    }
    if (open) {
        if (out.caret && *out.caret == *open) {
            out.anchor = close;
        } else {
            out.anchor = open;
            out.caret = close;
        }
    }
    return out;
}

std::string Annotate(const std::string& text, std::size_t anchor, std::size_t caret) {
    std::string out;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (anchor != caret && i == std::min(anchor, caret))
            out += "[[";
        if (anchor != caret && i == std::max(anchor, caret))
            out += "]]";
        if (i == caret && (anchor == caret || caret < anchor))
            out += '^';
        if (i < text.size())
            out += text[i];
    }
    return out;
}

}  // namespace testing_support
