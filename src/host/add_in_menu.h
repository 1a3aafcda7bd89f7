// The add-in's popup menu: the command table's rows that have a menu text, each enabled by
// what is active in the IDE.
#pragma once

#include "commands/command_context.h"
#include "sys/popup_menu.h"

namespace host {

// The menu as its resource lays it out: every item enabled but the title, the default item.
ui::PopupMenu LoadAddInMenu();

// The Menu command: shows the menu at the pointer and runs the chosen command.
void ShowAddInMenu(const commands::CommandContext& context);

}  // namespace host
