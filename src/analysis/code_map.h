// What of a C/C++ text is code: comments, string and character literals and preprocessor
// lines are not, and the braces of the code are paired. Found in one forward reading,
// made on demand only as far as the questions reach, so that a whole file of questions
// costs one reading of it. A literal ends at its line's end at the latest, so a stray
// quote cannot hide the rest of the file.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace analysis {

class CodeMap {
  public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    explicit CodeMap(std::string_view text) : text_(text) {}

    // Where the stretch of non-code holding `position` starts; kNone when it is code.
    // Cheapest for questions near the previous one.
    std::size_t NonCodeStart(std::size_t position);

    // The index of the first '{' of the code at or after `position` (read as far as
    // needed), or kNone; then its place and the place of the '}' closing it (kNone when
    // nothing closes it).
    std::size_t BraceFrom(std::size_t position);
    std::size_t Open(std::size_t brace) const { return braces_[brace].open; }
    std::size_t Closing(std::size_t brace);

  private:
    enum class State { Code, BlockComment, LineComment, String, Character, Directive };
    struct Brace {
        std::size_t open;
        std::size_t close;
    };
    struct Span {
        std::size_t start;
        std::size_t end;
    };

    // Reads up to the next place where something changes; false at the end of the text.
    bool Advance();
    void ReadTo(std::size_t position);
    void Leave(std::size_t end);
    bool StartsLine(std::size_t position) const;

    std::string_view text_;
    std::size_t read_ = 0;
    State state_ = State::Code;
    std::size_t stateStart_ = 0;
    std::vector<Span> spans_;
    std::size_t lastSpan_ = 0;
    std::vector<Brace> braces_;
    std::vector<std::size_t> open_;
    std::size_t lastBrace_ = 0;
};

}  // namespace analysis
