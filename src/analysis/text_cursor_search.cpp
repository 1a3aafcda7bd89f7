// The searching half of TextCursor: FindAny and MatchBracket.
#include <array>
#include <optional>

#include "analysis/char_classes.h"
#include "analysis/text_cursor.h"

namespace analysis {

namespace {

int FirstMatchAt(std::string_view text, std::size_t at, std::span<const std::string_view> strings) {
    const std::string_view rest = text.substr(at);
    for (std::size_t i = 0; i < strings.size(); ++i) {
        if (!strings[i].empty() && rest.starts_with(strings[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

struct Partner {
    char bracket;
    int direction;
};

std::optional<Partner> PartnerOf(char c) {
    switch (c) {
        case '(':
            return Partner{')', 1};
        case '<':
            return Partner{'>', 1};
        case '[':
            return Partner{']', 1};
        case '{':
            return Partner{'}', 1};
        case ')':
            return Partner{'(', -1};
        case '>':
            return Partner{'<', -1};
        case ']':
            return Partner{'[', -1};
        case '}':
            return Partner{'{', -1};
        default:
            return std::nullopt;
    }
}

}  // namespace

int TextCursor::FindAny(int step, bool skipCommentLines,
                        std::span<const std::string_view> strings) {
    if (position_ < 0 || position_ >= length_) {
        return -1;
    }
    // Most positions are rejected on their first character alone.
    std::array<bool, 256> starts{};
    for (std::string_view s : strings) {
        if (!s.empty()) {
            starts[static_cast<unsigned char>(s.front())] = true;
        }
    }
    const std::string_view text(text_);
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text_.data());
    for (long long at = position_; at >= 0 && at < length_; at += step) {
        if (step == 1) {
            // The usual forward search gets a tight loop over the rejected characters.
            while (at < length_ && !starts[bytes[at]]) {
                ++at;
            }
            if (at == length_) {
                break;
            }
        }
        if (starts[bytes[at]]) {
            const int hit = FirstMatchAt(text, static_cast<std::size_t>(at), strings);
            if (hit >= 0 && !(skipCommentLines &&
                              lineFacts_.IsCommentLine(text, static_cast<std::size_t>(at)))) {
                PlaceExactly(static_cast<int>(at));
                return hit;
            }
        }
        if (step == 0) {
            break;
        }
    }
    return -1;
}

bool TextCursor::MatchBracket() {
    const char bracket = Current();
    const std::optional<Partner> partner = PartnerOf(bracket);
    if (!partner) {
        return false;
    }
    const CursorMark start = GetMark();
    // In a // comment the comment markers are plain text.
    const bool honourComments =
        !lineFacts_.HasSlashesUpTo(text_, static_cast<std::size_t>(position_));
    const auto fail = [&] {
        SetMark(start);
        return false;
    };

    const bool forward = partner->direction > 0;
    int depth = 0;
    int depthAtLineEnd = 0;
    bool inBlockComment = false;
    for (;;) {
        const char c = Current();
        const char next = position_ + 1 < length_ ? text_[position_ + 1] : '\0';
        const bool slashes = c == '/' && next == '/';
        const bool opensBlock = forward ? c == '/' && next == '*' : c == '*' && next == '/';
        const bool closesBlock = forward ? c == '*' && next == '/' : c == '/' && next == '*';
        if (honourComments && slashes) {
            if (forward) {
                FindAny(1, false, {"\r", "\n"});
            } else {
                // Backward, the comment's brackets were counted before its "//" showed
                // it to be one; the depth the line ended with undoes them.
                depth = depthAtLineEnd;
                if (depth < 1) {
                    return fail();
                }
            }
        } else if (honourComments && opensBlock) {
            inBlockComment = true;
        } else if (honourComments && inBlockComment) {
            inBlockComment = !closesBlock;
        } else if (c == bracket) {
            ++depth;
        } else if (c == partner->bracket) {
            if (depth == 1) {
                return true;
            }
            if (--depth < 0) {
                return fail();
            }
        } else if (IsLineBreak(c)) {
            depthAtLineEnd = depth;
        }
        if (!Move(partner->direction)) {
            return fail();
        }
    }
}

}  // namespace analysis
