#include "lsp/text_edit.h"

#include <algorithm>

#include "lsp/utf16_position.h"

namespace lsp {

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Whether `at` falls inside a character or a CR LF pair of `text`.
bool Splits(std::string_view text, std::size_t at) {
    if (at == 0 || at >= text.size())
        return false;
    return IsContinuation(text[at]) || (text[at - 1] == '\r' && text[at] == '\n');
}

}  // namespace

TextEdit MinimalEdit(std::string_view before, std::string_view after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    while (prefix > 0 && (Splits(before, prefix) || Splits(after, prefix)))
        --prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    while (suffix > 0 &&
           (Splits(before, before.size() - suffix) || Splits(after, after.size() - suffix))) {
        --suffix;
    }
    const LineIndex lines(before);
    return {{lines.At(prefix), lines.At(before.size() - suffix)},
            std::string(after.substr(prefix, after.size() - suffix - prefix))};
}

}  // namespace lsp
