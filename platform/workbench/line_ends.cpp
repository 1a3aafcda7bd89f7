#include "workbench/line_ends.h"

namespace workbench {

bool SplitsLineBreak(std::string_view text, std::size_t offset) {
    return offset > 0 && offset < text.size() && text[offset - 1] == '\r' && text[offset] == '\n';
}

std::string ConvertLineEnds(std::string_view text, LineEndStyle style) {
    std::string_view lineEnd = style == LineEndStyle::kCrLf ? "\r\n"
                               : style == LineEndStyle::kCr ? "\r"
                                                            : "\n";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        out += lineEnd;
    }
    return out;
}

}  // namespace workbench
