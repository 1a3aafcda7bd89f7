#include "templates/text_lines.h"

namespace templates {

std::optional<std::string_view> TextLines::Next() {
    if (position_ >= text_.size())
        return std::nullopt;
    const std::size_t start = position_;
    const std::size_t feed = text_.find('\n', start);
    if (feed == std::string_view::npos) {
        position_ = text_.size();
        return text_.substr(start);
    }
    position_ = feed + 1;
    std::size_t end = feed;
    if (end > start && text_[end - 1] == '\r')
        --end;
    return text_.substr(start, end - start);
}

}  // namespace templates
