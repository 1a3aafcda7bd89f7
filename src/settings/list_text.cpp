#include "settings/list_text.h"

namespace settings {

namespace {

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view part) {
    while (!part.empty() && IsWhite(part.front()))
        part.remove_prefix(1);
    while (!part.empty() && IsWhite(part.back()))
        part.remove_suffix(1);
    return part;
}

}  // namespace

std::string JoinList(const StringList& items, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += separator;
        text += items[i];
    }
    return text;
}

StringList ParseList(std::string_view text, bool directories, editor::PathStyle style) {
    if (text.starts_with('"')) {
        text.remove_prefix(1);
        if (text.ends_with('"'))
            text.remove_suffix(1);
    }
    const char separator = editor::Separator(style);
    StringList list;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view part = Trim(text.substr(0, comma));
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
        if (part.empty())
            continue;
        std::string item(part);
        if (directories && !item.ends_with(separator))
            item += separator;
        list.push_back(std::move(item));
    }
    return list;
}

}  // namespace settings
