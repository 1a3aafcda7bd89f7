// Cuts a text into declarations, from a line on, and reads each into a member record.
#pragma once

#include <string_view>

#include "analysis/member_record.h"

namespace analysis {

// From column 0 of the 0-based `line`, each declaration ends at the next ';' or '{' (a body
// after a '{' is passed over whole); the last one may end on line `line` + `count`. Each
// declaration that ParseDeclaration reads, with the class and access text given, is appended
// to `members`. With `firstOnly`, only the first declaration is tried. A declaration left
// without terminator at the end of the text still ends there.
void CollectMembers(bool sourceFile, std::string_view text, std::string_view className,
                    std::string_view access, int line, int count, bool firstOnly,
                    MemberList& members);

}  // namespace analysis
