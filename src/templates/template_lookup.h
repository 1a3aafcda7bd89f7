// Finding the template a menu item or an IDE command stands for.
#pragma once

#include <string_view>

#include "templates/template_node.h"

namespace templates {

// The node the template menu numbered so (TemplateWalk's numbering), or none.
const TemplateNode* FindByIndex(const TemplateList& list, int number);

// The first node in pre-order (a group before its children) whose CommandName is exactly
// the given one, or none.
const TemplateNode* FindByCommandName(const TemplateList& list, std::string_view commandName);

}  // namespace templates
