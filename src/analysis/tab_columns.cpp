#include "analysis/tab_columns.h"

#include <climits>

#include "analysis/char_classes.h"

namespace analysis {

int ColumnWidth(std::string_view text, bool stopAtNonBlank) {
    // Wide enough that no text a process can hold overflows it; saturated on the way out.
    long long column = 0;
    for (char c : text) {
        if (c == '\0' || IsLineBreak(c)) {
            break;
        }
        if (c == '\t') {
            column = (column + kTabWidth) / kTabWidth * kTabWidth;
        } else if (stopAtNonBlank && c != ' ') {
            break;
        } else {
            ++column;
        }
    }
    return column > INT_MAX ? INT_MAX : static_cast<int>(column);
}

std::string MakeIndent(int width, bool tabIfZero) {
    if (width <= 0) {
        return tabIfZero ? "\t" : "";
    }
    std::string indent(static_cast<std::size_t>(width / kTabWidth), '\t');
    indent.append(static_cast<std::size_t>(width % kTabWidth), ' ');
    return indent;
}

std::string PadToColumn(std::string_view text, int column) {
    while (!text.empty() && IsWhitespace(text.back())) {
        text.remove_suffix(1);
    }
    std::string padded(text);
    const int width = ColumnWidth(text, false);
    const long long missing = static_cast<long long>(column) - width;
    if (missing <= 0) {
        return padded;
    }
    const int toTabStop = kTabWidth - width % kTabWidth;
    if (missing >= toTabStop) {
        padded += '\t';
        padded += MakeIndent(static_cast<int>(missing - toTabStop), false);
    } else {
        padded.append(static_cast<std::size_t>(missing), ' ');
    }
    return padded;
}

}  // namespace analysis
