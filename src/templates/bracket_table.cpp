#include "templates/bracket_table.h"

namespace templates {

namespace {

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

BracketTable::BracketTable(std::string_view text)
    : text_(text),
      plain_(text.size(), -1),
      commented_(text.size(), kNotReached),
      afterSlashes_(text.size(), false) {
    const std::size_t length = text.size();
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < length; ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')' && !open.empty()) {
            plain_[open.back()] = static_cast<int>(i);
            open.pop_back();
        }
    }

    bool slashes = false;
    for (std::size_t i = 0; i < length; ++i) {
        if (IsLineBreak(text[i]))
            slashes = false;
        afterSlashes_[i] = slashes;
        if (text[i] == '/' && i + 1 < length && text[i + 1] == '/')
            slashes = true;
    }

    // The editor's matching as one walk from the start: a '(' the walk meets outside a
    // comment is matched exactly as a walk starting there would match it.
    open.clear();
    bool inBlock = false;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        const char next = i + 1 < length ? text[i + 1] : '\0';
        if (c == '/' && next == '/') {
            std::size_t end = i;
            while (end < length && !IsLineBreak(text[end]))
                ++end;
            // Without a line end the comment's text is read as code.
            if (end < length)
                i = end;
        } else if (c == '/' && next == '*') {
            inBlock = true;
        } else if (inBlock) {
            inBlock = !(c == '*' && next == '/');
        } else if (c == '(') {
            commented_[i] = -1;
            open.push_back(i);
        } else if (c == ')' && !open.empty()) {
            commented_[open.back()] = static_cast<int>(i);
            open.pop_back();
        }
    }
}

long BracketTable::Partner(std::size_t open) const {
    if (open >= text_.size() || text_[open] != '(')
        return -1;
    if (afterSlashes_[open] || commented_[open] == kNotReached)
        return plain_[open];
    return commented_[open];
}

}  // namespace templates
