// The bytes of a document with an index of its lines. CR LF, a lone LF and a lone CR each end
// one line; a line's text excludes its break. Offsets are bytes; the offset between the CR and
// the LF of a CR LF pair is no position a caret may take.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "workbench/line_ends.h"

namespace workbench {

class TextBuffer {
  public:
    explicit TextBuffer(std::string bytes = {});

    const std::string& Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

    // Lines count from 0 here; there is always at least one.
    long LineCount() const { return static_cast<long>(starts_.size()); }
    std::size_t LineStart(long line) const { return starts_[static_cast<std::size_t>(line)]; }
    // The end of the line's text, in front of its break.
    std::size_t LineEnd(long line) const;
    // The start of the following line; the end of the text for the last line.
    std::size_t NextLineStart(long line) const;
    long LineOf(std::size_t offset) const;

    // False past the end and between the CR and LF of a pair.
    bool IsPosition(std::size_t offset) const;
    // The position itself, or the one after the LF when the offset splits a CR LF pair.
    std::size_t SnapForward(std::size_t offset) const;
    // One character further or back; a line break counts as one character.
    std::size_t Next(std::size_t offset) const;
    std::size_t Previous(std::size_t offset) const;

    // The style of the first line break; LF when there is none.
    LineEndStyle Style() const;

    void Replace(std::size_t begin, std::size_t end, std::string_view text);

  private:
    void Index();

    std::string bytes_;
    // Where each line starts; its end is found from the next start and the break before it.
    std::vector<std::size_t> starts_;
};

}  // namespace workbench
