#include "analysis/line_facts.h"

#include "analysis/char_classes.h"

namespace analysis {

std::size_t LineFacts::LineStart(std::string_view text, std::size_t position) {
    std::size_t at = position;
    if (lineStart_ != kNone && position >= lineStart_) {
        if (position <= clearUntil_) {
            return lineStart_;
        }
        // Only the part not yet known to be clear needs a look.
        while (at > clearUntil_ && !IsLineBreak(text[at - 1])) {
            --at;
        }
        if (at == clearUntil_) {
            clearUntil_ = position;
            return lineStart_;
        }
    } else {
        while (at > 0 && !IsLineBreak(text[at - 1])) {
            --at;
        }
    }
    lineStart_ = at;
    clearUntil_ = position;
    return lineStart_;
}

bool LineFacts::IsCommentLine(std::string_view text, std::size_t position) {
    const std::size_t first = FirstNonBlank(text, LineStart(text, position));
    return text.substr(first).starts_with("//");
}

bool LineFacts::HasSlashesUpTo(std::string_view text, std::size_t position) {
    const std::size_t start = LineStart(text, position);
    if (slashesLine_ != start) {
        slashesLine_ = start;
        slashesScanned_ = start;
        slashesAt_ = kNone;
    }
    while (slashesAt_ == kNone && slashesScanned_ <= position) {
        if (text.substr(slashesScanned_).starts_with("//")) {
            slashesAt_ = slashesScanned_;
        }
        ++slashesScanned_;
    }
    return slashesAt_ <= position;
}

std::size_t LineFacts::FirstNonBlank(std::string_view text, std::size_t from) {
    if (blankStart_ != kNone && from >= blankStart_ && from <= blankEnd_) {
        return blankEnd_;
    }
    std::size_t at = from;
    while (at < text.size() && IsWhitespace(text[at])) {
        if (at == blankStart_) {
            at = blankEnd_;
            break;
        }
        ++at;
    }
    blankStart_ = from;
    blankEnd_ = at;
    return blankEnd_;
}

}  // namespace analysis
