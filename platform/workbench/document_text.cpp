#include "workbench/document_text.h"

#include <algorithm>

namespace workbench {

void DocumentText::Replace(std::size_t begin, std::size_t end, std::string_view text) {
    long first = buffer_.LineOf(begin);
    long last = buffer_.LineOf(end);
    long before = buffer_.LineCount();
    buffer_.Replace(begin, end, text);
    modified_ = true;
    if (bookmarks_.empty())
        return;

    long shift = buffer_.LineCount() - before;
    for (long& line : bookmarks_) {
        if (line > last) {
            line += shift;
        } else if (line > first) {
            line = first;
        }
        line = std::min(line, buffer_.LineCount() - 1);
    }
    bookmarks_.erase(std::unique(bookmarks_.begin(), bookmarks_.end()), bookmarks_.end());
}

void DocumentText::AddBookmark(long line) {
    auto at = std::lower_bound(bookmarks_.begin(), bookmarks_.end(), line);
    if (at == bookmarks_.end() || *at != line)
        bookmarks_.insert(at, line);
}

}  // namespace workbench
