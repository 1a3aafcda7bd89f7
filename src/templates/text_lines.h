// Lines of a text file as a text-mode read gives them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace templates {

// CR LF and LF end a line. A lone CR is part of the line, as a text-mode read leaves it (the
// parser's header trimming drops it there). The last line needs no line end; nothing follows a
// final line end. The text must outlive the reader.
class TextLines {
  public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // The next line without its line end; nothing at the end of the text.
    std::optional<std::string_view> Next();

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace templates
