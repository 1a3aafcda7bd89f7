// Which class a line belongs to, found by looking at braces, colons and the keywords class,
// interface and template< around it, not by parsing C++. Matches on lines that begin with
// "//" are passed over; the keywords count inside longer words too (Subclass).
#pragma once

#include <string>
#include <string_view>

namespace analysis {

// For a 0-based line inside a class body: the class name and, when `access` is empty on
// entry, the word before the nearest colon above the line (public, protected, private, or
// whatever else stands there, such as ns of ns::Name). False outside a class, and inside a
// function body whose brace has a ';' or '}' between it and the class head. `className` is
// written only on success; `access` may be written either way.
bool FindClassScope(std::string_view text, int line, std::string& className, std::string& access);

// For a 0-based line of a source file: the class named by the first X:: qualification,
// class head or template<...> Name on or after the line. False, with `className` empty,
// when there is none.
bool FindDefinitionClass(std::string_view text, int line, std::string& className);

}  // namespace analysis
