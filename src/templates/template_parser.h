// The template file's format: a preamble up to the first "##+" line, then "##+ name" header
// lines opening templates, body lines, and "##-" closing them; a header inside an open
// template makes that template a group.
#pragma once

#include <string_view>

#include "templates/template_node.h"
#include "templates/text_lines.h"

namespace templates {

// Appends the templates of the lines that follow the section's opening "##+" line to `into`.
// Reading stops at the end of the lines or at a "##-" line with nothing open at the top level;
// templates still open then are kept as if closed.
void ParseTemplateList(TextLines& lines, TemplateList& into);

// The tree of a whole template file; a text without any "##+" line gives an empty tree.
TemplateList ParseTemplateText(std::string_view text);

}  // namespace templates
