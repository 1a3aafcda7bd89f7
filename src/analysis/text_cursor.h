// A cursor over its own copy of a C/C++ text: a position, a 0-based line counter (the
// number of LFs before the position), character moves, multi-string search, line and
// column placement and comment-aware bracket matching. Plain 8-bit text, CR LF or LF.
//
// Positions and lines are int; a text of INT_MAX characters or more is refused with
// std::length_error. Every operation costs time proportional to the text it passes: the
// line counter is kept by counting only the LFs between the last known place and the new.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "analysis/line_facts.h"
#include "analysis/tab_columns.h"  // ColumnWidth and friends come with the cursor

namespace analysis {

// A saved place. Marks made by offset (MarkAt) carry line -1: their line is not counted.
struct CursorMark {
    int position = 0;
    int line = 0;

    friend bool operator==(const CursorMark&, const CursorMark&) = default;
};

class TextCursor {
  public:
    // The text ends at its first NUL. Position 0, line 0.
    explicit TextCursor(std::string_view text);
    // A null pointer is an empty text.
    explicit TextCursor(const char* text);

    std::string_view Text() const { return text_; }
    int Length() const { return length_; }
    int Position() const { return position_; }
    int Line() const { return line_; }
    // NUL when the position is outside the text.
    char Current() const;

    CursorMark GetMark() const { return {position_, line_}; }
    // Restores position and line exactly as saved, even a MarkAt mark's line -1.
    bool SetMark(const CursorMark& mark);
    CursorMark MarkAt(int offset) const;

    // Out-of-range bounds are clipped to the text; a negative start counts from 0.
    std::string Mid(int start, int count) const;
    // From `from` up to, not including, `to`; empty when `to` does not lie after `from`.
    std::string Slice(const CursorMark& from, const CursorMark& to) const;
    std::string SliceFrom(const CursorMark& from) const;

    // Moves by characters. False when the start or the end was reached: a position below 0
    // becomes 0, one at the length becomes length - 1 (even after exactly `steps` steps).
    // Always false on an empty text, except that Move(0) is true and does nothing.
    // The line counter changes when a step leaves an LF, so backward it runs one step
    // late: a backward move that stops on an LF leaves it one higher than the LFs before
    // the position, and one that starts on an LF one lower; the next steps carry that on.
    bool Move(int steps);
    // Clamped to the text, with the exact line. A clamp to the end stores length - 1 and
    // gives false; the line then counts the LFs of the whole text. Empty text: 0, true.
    bool SetPosition(int offset);
    // False at once on an empty text.
    bool GotoStart();
    bool GotoEnd();
    // 0-based line and column; the column stops before a CR or LF. True only when exactly
    // that place exists; a short line leaves the cursor on its line end. Running into the
    // end of the text (or an empty text) gives false with the cursor on the last character.
    // Negative arguments count as 0 and give false.
    bool GotoLineColumn(int line, int column);
    // To the character after the nearest CR or LF at or before the position (so from a
    // line end to the next line), else to 0. False on an empty text and when that line
    // end is the last character, which the cursor then stays on.
    bool GotoLineStart();

    // `direction` is taken by its sign; 0 does nothing.
    void SkipWhitespace(int direction);
    // Backward: operator characters, then the identifier. Forward: the identifier, then
    // operator characters. So back from the '=' of "operator<=" ends before the word, and
    // forward from the start of "x+=" ends after the "+=".
    void SkipIdentifier(int direction);

    // Tests the positions p, p + step, ... inside the text for each string in order; empty
    // strings and strings running past the end never match. With skipCommentLines, matches
    // on lines that begin (after white space) with "//" are passed over. On a match the
    // cursor goes there with the exact line and the result is the index of the first
    // matching string; else -1 and the cursor stays. Step 0 tests the position only; a
    // position outside the text gives -1.
    int FindAny(int step, bool skipCommentLines, std::span<const std::string_view> strings);
    int FindAny(int step, bool skipCommentLines, std::initializer_list<std::string_view> strings) {
        return FindAny(step, skipCommentLines, std::span(strings.begin(), strings.size()));
    }

    // From one of ( ) < > [ ] { } to its partner, forward from an opening bracket and
    // backward from a closing one, passing over /* */ and // comments unless the bracket
    // itself stands in a // comment. Not passed over: a // comment on a last line without
    // a line end (forward), and backward a lone opener in a // comment, which is met
    // before its "//". String and character literals are not recognised. On failure the
    // cursor stays where it was.
    bool MatchBracket();

    // 0-based display column (tab width 4) of the position within its line. Measured from
    // where GotoLineStart would go, so a CR or LF itself is at column 0.
    int DisplayColumn() const;

  private:
    // Places the cursor on `target` (within 0..length) with the exact line.
    void PlaceExactly(int target);
    // LFs before `target` (within 0..length), counted from the last place counted.
    int CountLinesTo(int target);
    // The nearest CR or LF at or before a position inside the text, or -1.
    int LineBreakAtOrBefore(int position) const;

    std::string text_;
    int length_ = 0;
    int position_ = 0;
    int line_ = 0;
    // Exact number of LFs before countedTo_. Moves and marks leave it alone; every exact
    // count starts here, so it costs the distance from the last count, never the position.
    int countedTo_ = 0;
    int linesBefore_ = 0;
    // Remembered across calls, so that walking a long line match by match stays linear.
    // Const calls update it too: a cursor is not to be shared between threads.
    mutable LineFacts lineFacts_;
};

}  // namespace analysis
