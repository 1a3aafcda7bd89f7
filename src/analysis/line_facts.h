// Facts about the lines of one fixed text, found on demand and remembered: where the line
// of a position starts, whether it is a comment line, whether a "//" comes before the
// position on it. A series of questions moving through the text in one direction costs
// time linear in the text passed, even on a single very long line. Only positions are
// kept, so copies stay valid; every call must be given the same text.
#pragma once

#include <cstddef>
#include <string_view>

namespace analysis {

class LineFacts {
  public:
    // The character after the last CR or LF before the position, or 0.
    std::size_t LineStart(std::string_view text, std::size_t position);
    // The line, from its start with leading white space (line ends included) removed,
    // begins with "//".
    bool IsCommentLine(std::string_view text, std::size_t position);
    // A "//" begins on the position's line at or before the position.
    bool HasSlashesUpTo(std::string_view text, std::size_t position);

  private:
    std::size_t FirstNonBlank(std::string_view text, std::size_t from);

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // text[lineStart_, clearUntil_) holds no CR or LF; lineStart_ follows one or is 0.
    std::size_t lineStart_ = kNone;
    std::size_t clearUntil_ = 0;
    // text[blankStart_, blankEnd_) is white space; blankEnd_ is not, or is the end. Runs
    // span line ends, so later line starts may fall inside one.
    std::size_t blankStart_ = kNone;
    std::size_t blankEnd_ = 0;
    // On the line starting at slashesLine_, text[slashesLine_, slashesScanned_) was searched
    // for "//"; slashesAt_ is the first found.
    std::size_t slashesLine_ = kNone;
    std::size_t slashesScanned_ = 0;
    std::size_t slashesAt_ = kNone;
};

}  // namespace analysis
