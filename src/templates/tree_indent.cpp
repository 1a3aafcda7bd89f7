#include "templates/tree_indent.h"

#include <algorithm>

namespace templates {

std::string TreeIndent(std::size_t depth) {
    std::string indent(2 * std::min(depth, kIndentedLevels), ' ');
    if (depth > kIndentedLevels)
        indent += "(depth " + std::to_string(depth) + ") ";
    return indent;
}

}  // namespace templates
