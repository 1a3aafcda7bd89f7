// Which ')' closes each '(' of a template text, found for the whole text at once so that a
// text full of unclosed "$(" is still read in time linear in its length.
#pragma once

#include <string_view>
#include <vector>

namespace templates {

class BracketTable {
  public:
    // The text must outlive the table.
    explicit BracketTable(std::string_view text);

    // The position of the ')' closing the '(' at `open`, or -1. Comments are passed over as
    // the editor's bracket matching passes them, unless the '(' follows a "//" on its line;
    // inside a /* */ comment parentheses are counted plainly.
    long Partner(std::size_t open) const;

  private:
    static constexpr int kNotReached = -2;

    std::string_view text_;
    std::vector<int> plain_;          // counting every parenthesis
    std::vector<int> commented_;      // counting those outside comments; kNotReached in them
    std::vector<bool> afterSlashes_;  // a "//" begins earlier on the position's line
};

}  // namespace templates
