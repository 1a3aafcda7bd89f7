// A document's text with what hangs on its lines (bookmarks) and its modified flag. Every
// change goes through Replace, so bookmarks follow the lines they were set on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/text_buffer.h"

namespace workbench {

class DocumentText {
  public:
    explicit DocumentText(std::string bytes) : buffer_(std::move(bytes)) {}

    const TextBuffer& Buffer() const { return buffer_; }
    bool Modified() const { return modified_; }
    void MarkSaved() { modified_ = false; }

    // A bookmarked line inside a replaced range moves to the range's first line; lines after
    // it shift with the line count.
    void Replace(std::size_t begin, std::size_t end, std::string_view text);

    // 0-based lines; a line holds at most one bookmark.
    void AddBookmark(long line);
    const std::vector<long>& Bookmarks() const { return bookmarks_; }

  private:
    TextBuffer buffer_;
    std::vector<long> bookmarks_;  // sorted, unique
    bool modified_ = false;
};

}  // namespace workbench
