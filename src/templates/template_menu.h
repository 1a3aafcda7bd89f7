// The code template menu: the template tree as a popup menu under a heading and the two
// fixed commands, and what picking an item does.
#pragma once

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_context.h"
#include "sys/popup_menu.h"
#include "templates/template_node.h"
#include "templates/variable_source.h"

namespace templates {

inline constexpr const char* kMenuHeading = "Code Templates\tCTRL-0";
// Templates are numbered from 1 by the tree walk, so no tree reaches these.
inline constexpr int kEditItem = INT_MAX - 1;
inline constexpr int kReloadItem = INT_MAX;
// Groups nested deeper than this list their templates in the deepest submenu.
inline constexpr std::size_t kMaxMenuDepth = 16;
inline constexpr std::size_t kMaxPreviewLength = 100;

// A menu label of an expanded text: its first line, tabs as one blank, '&' doubled, trimmed
// and cut to kMaxPreviewLength characters.
std::string PreviewLabel(std::string_view expanded);

// The tree's items, numbered as the tree walk numbers them. With a preview source, templates
// marked for it show their expanded first line. Disabled items are greyed.
std::vector<ui::MenuItem> BuildTemplateMenu(const TemplateList& list, VariableSource* preview,
                                            bool enabled);

// The whole menu: heading, Reload, Edit, then the tree, with the item numbered 1 the default
// when it stands at the top.
ui::PopupMenu TemplateMenu(const TemplateList& list, VariableSource* preview, bool enabled);

// The template menu command: shows the menu at the pointer and runs what is picked.
void ShowTemplateMenu(const commands::CommandContext& context);

}  // namespace templates
