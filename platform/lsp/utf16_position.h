// Editor positions as the language server protocol counts them: a 0-based line and a
// character offset in UTF-16 code units. LF, CR LF and a lone CR each end a line. A byte that
// is not part of valid UTF-8 counts as one unit, as the replacement character would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lsp {

struct Position {
    std::uint32_t line = 0;
    std::uint32_t character = 0;
    friend bool operator==(const Position&, const Position&) = default;
};

// The start of every line of a text, so a position converts in the length of its own line.
class LineIndex {
  public:
    explicit LineIndex(std::string_view text);

    // A character past the end of its line means the line's end (before its line break), a
    // line past the last means the end of the text, and a character inside a surrogate pair
    // means the start of that character.
    std::size_t Offset(Position position) const;
    // An offset inside a line break or a UTF-8 sequence counts from the start of it.
    Position At(std::size_t offset) const;
    std::size_t LineCount() const { return starts_.size(); }

  private:
    // The end of line `line`'s text, before its break.
    std::size_t LineEnd(std::size_t line) const;

    std::string_view text_;
    std::vector<std::size_t> starts_;
};

// How many bytes the UTF-8 sequence at `at` takes (1 for a byte that does not start a valid
// one) and how many UTF-16 units it becomes.
struct CharacterSize {
    std::size_t bytes = 1;
    std::uint32_t units = 1;
};
CharacterSize CharacterAt(std::string_view text, std::size_t at);

}  // namespace lsp
