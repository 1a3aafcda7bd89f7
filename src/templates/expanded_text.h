// The text an expansion writes, which knows at every moment the line and display column its
// end would have in the document.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace templates {

// Where written text ends: characters, line breaks, display width of the last line.
struct TextEnd {
    std::size_t length = 0;
    long lineBreaks = 0;
    long width = 0;
    bool afterCr = false;  // an LF next would end the same line as the CR

    // CR LF, LF and a lone CR each end a line; a tab runs to the next multiple of 4.
    void Advance(std::string_view text);
};

class ExpandedText {
  public:
    ExpandedText() = default;
    // A text that continues one already written up to `start`.
    explicit ExpandedText(TextEnd start) : end_(start), offset_(start.length) {}

    void Append(std::string_view text) {
        text_ += text;
        end_.Advance(text);
    }
    const std::string& Text() const { return text_; }
    std::string& Text() { return text_; }
    // Counted from where the written text began.
    const TextEnd& End() const { return end_; }
    std::size_t Offset() const { return end_.length; }
    std::size_t StartOffset() const { return offset_; }

  private:
    std::string text_;
    TextEnd end_;
    std::size_t offset_ = 0;
};

}  // namespace templates
