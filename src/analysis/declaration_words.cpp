#include "analysis/declaration_words.h"

#include "analysis/char_classes.h"

namespace analysis {

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsWhitespace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsWhitespace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::vector<std::string_view> DeclarationWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && IsWhitespace(text[at])) {
            ++at;
        }
        const std::size_t begin = at;
        while (at < text.size() && !IsWhitespace(text[at])) {
            ++at;
        }
        std::string_view word = text.substr(begin, at - begin);
        if (word.starts_with("/*")) {
            word.remove_prefix(2);
        }
        if (word.ends_with("*/")) {
            word.remove_suffix(2);
        }
        if (!word.empty()) {
            words.push_back(word);
        }
    }
    return words;
}

}  // namespace analysis
