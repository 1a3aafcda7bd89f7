#include "commands/edit/comment_balance.h"

#include <algorithm>

namespace commands::edit {

namespace {

// Past the literal opened by the quote at `at`: to its closing quote, or to the end of its
// line when it is not closed there.
std::size_t PastLiteral(std::string_view text, std::size_t at) {
    const char quote = text[at];
    for (++at; at < text.size() && text[at] != '\n' && text[at] != '\r'; ++at) {
        if (text[at] == '\\')
            ++at;
        else if (text[at] == quote)
            return at + 1;
    }
    return std::min(at, text.size());
}

}  // namespace

bool CommentsBalanced(std::string_view text) {
    bool inComment = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view rest = text.substr(at);
        if (inComment) {
            inComment = !rest.starts_with("*/");
            at += inComment ? 1 : 2;
        } else if (rest.starts_with("*/")) {
            return false;
        } else if (rest.starts_with("/*")) {
            inComment = true;
            at += 2;
        } else if (rest.starts_with("//")) {
            at = std::min(text.size(), text.find_first_of("\r\n", at));
        } else if (rest[0] == '"' || rest[0] == '\'') {
            at = PastLiteral(text, at);
        } else {
            ++at;
        }
    }
    return !inComment;
}

bool EnclosedAsOneComment(std::string_view text) {
    return text.find("*/") == std::string_view::npos || CommentsBalanced(text);
}

}  // namespace commands::edit
