#include "commands/edit/text_lines.h"

namespace commands::edit {

std::size_t LineEndLength(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return 0;
    if (text[at] == '\r')
        return at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
    return text[at] == '\n' ? 1 : 0;
}

std::string_view SplitFirstLine(std::string_view& rest) {
    const std::size_t end = rest.find_first_of("\r\n");
    const std::size_t length =
        end == std::string_view::npos ? rest.size() : end + LineEndLength(rest, end);
    const std::string_view line = rest.substr(0, length);
    rest.remove_prefix(length);
    return line;
}

std::string_view FinalLineEnd(std::string_view text) {
    if (text.empty() || (text.back() != '\n' && text.back() != '\r'))
        return {};
    if (text.back() == '\n' && text.size() >= 2 && text[text.size() - 2] == '\r')
        return text.substr(text.size() - 2);
    return text.substr(text.size() - 1);
}

long CountLineEnds(std::string_view text) {
    long count = 0;
    for (std::size_t at = text.find_first_of("\r\n"); at != std::string_view::npos;
         at = text.find_first_of("\r\n", at + LineEndLength(text, at)))
        ++count;
    return count;
}

std::string_view LineEndStyle(std::string_view text, std::string_view fallback) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos)
        return fallback;
    return text.substr(end, LineEndLength(text, end));
}

}  // namespace commands::edit
