// The named top-level items of a C/C++ text (namespaces, classes, function definitions,
// initialised variables, templates) for a quick member list; a heuristic over plain text,
// not a parser. Every '{' that begins or ends a line is read back to what it opens.
//
// Choices of this implementation:
// - A '{' that ends a line starts its body at the brace itself, like one on a line of its
//   own: a named block (function, class, table) is passed over whole. An unnamed one
//   (extern "C" {, else {) is read inside, so its items are listed.
// - A brace is read back no further than the brace before it (or the end of the body
//   passed over before it): what lies before belongs to that one. This, one reading of
//   the text for brace pairs, and each brace being looked at once keep the time linear.
// - "class", "namespace" and "template<" count only as whole words; "!=", "<=" and ">="
//   are comparisons like "==".
// - Lines are 1-based and 32-bit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

// Appends, in file order, the named top-level items of C/C++ text and the 1-based line of
// each. With showClasses a function defined as X::f is listed as X::f, else as f.
void ScanFileMembers(std::string_view text, bool showClasses, std::vector<std::string>& names,
                     std::vector<std::uint32_t>& lines);

}  // namespace analysis
