#include "templates/expanded_text.h"

namespace templates {

void TextEnd::Advance(std::string_view text) {
    length += text.size();
    for (char c : text) {
        if (c == '\n') {
            if (!afterCr)
                ++lineBreaks;
            width = 0;
        } else if (c == '\r') {
            ++lineBreaks;
            width = 0;
        } else if (c == '\t') {
            width = (width / 4 + 1) * 4;
        } else {
            ++width;
        }
        afterCr = c == '\r';
    }
}

}  // namespace templates
