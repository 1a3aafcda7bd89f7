// Reversing statements, as plain text: a = b to b = a, << to >>, a setter call to an
// assignment from the getter and back.
#pragma once

#include <string>
#include <string_view>

namespace commands::edit {

// One line without its line end. Lines without ";" and statements of no known pattern come
// back unchanged.
std::string ReverseStatement(std::string_view line);

// Every line reversed, each keeping its own line end; a last line without one stays so.
std::string ReverseLines(std::string_view text);

// ReverseLines, with a line end added to a last line that has none: the text's own, CR LF
// when it has none.
std::string ReverseText(std::string_view text);

}  // namespace commands::edit
