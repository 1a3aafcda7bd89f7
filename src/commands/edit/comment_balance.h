// Whether a text could stand between "/*" and "*/" as one comment: every "/*" in it closed
// and no "*/" before its "/*". "//" comments and string and character literals are passed
// over, so their slashes and stars do not count.
#pragma once

#include <string_view>

namespace commands::edit {

bool CommentsBalanced(std::string_view text);

// Whether "/*" text "*/" is one comment around the text: always when the text holds no "*/"
// (an unclosed "/*" inside one is plain text), else when the comments in it are balanced.
bool EnclosedAsOneComment(std::string_view text);

}  // namespace commands::edit
