// The walk from a line back to the brace that opens its scope, over the caller's text in
// place: the nearest '{', '}' or ':' not on a "//" line, each '}' passing its whole block
// backward as TextCursor::MatchBracket passes it (comments honoured unless the '}' stands in
// a "//" comment). One pass over the bytes walked, most of them decided by a table.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace analysis {

// The word that ends at `end`: identifier characters, then any operator characters (so
// operator<= and T> are one word each).
std::string WordBefore(std::string_view text, std::size_t end);

// The word in front of a class head's ':' or '{', blanks between them passed over.
std::string NameBefore(std::string_view text, std::size_t terminator);

// Where TextCursor::GotoLineColumn(line, 0) leaves the cursor on `text` (which holds no NUL):
// the start of the 0-based line, or the last character when the text ends first.
std::size_t ScopeWalkStart(std::string_view text, int line);

// From `from` (inside `text`) back to the scope brace; nothing when the start of the text is
// reached first or a block has no opener. `access`, when empty, gets the word in front of the
// first colon met.
std::optional<std::size_t> WalkToScopeBrace(std::string_view text, std::size_t from,
                                            std::string& access);

// From the scope brace back to the class or interface keyword of its head: the name in front
// of the first ':' or '{' after the keyword. False at a ';', '}' or template< met first, and
// at a head ended by ';' (a declaration) the search goes on in front of it; the template
// arguments of a base class are passed over.
bool FindClassHead(std::string_view text, std::size_t brace, std::string& className);

}  // namespace analysis
