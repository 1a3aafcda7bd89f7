// Command numbers, the IDE commands the add-in registers, and its popup menu.
#pragma once

#include <array>
#include <string_view>

#include "sys/popup_menu.h"

namespace host {

enum CommandNumber : int {
    kNoCommand = 0,
    kFriendFile = 32769,
    kMenuTitle = 32770,
    kFriendMember = 32772,
    kBrowse = 32774,
    kCopyMembers = 32776,
    kPasteMembers = 32778,
    kCommentize = 32780,
    kReverse = 32782,
    kStepUp = 32784,
    kStepDown = 32786,
    kClean = 32790,
    kFileProperties = 32792,
    kToggleReadOnly = 32794,
    kCopyFilename = 32796,
    kCopyFile = 32798,
    kOpenFolder = 32800,
    kAddBreakpoints = 32802,
    kOptions = 32804,
    kHelp = 32806,
    kAbout = 32808,
    kMenu = 65001,
    kCodeMenu = 65002,
    kStepUpSelect = 65003,
    kStepDownSelect = 65004,
};

struct CommandDef {
    int number;
    const char* name;
    const char* buttonText;
    const char* description;
    const char16_t* binding;  // scope "::" keys
};

inline constexpr std::size_t kCommandCount = 13;

// The commands in creation order, followed by the all-zero row that ends the table.
extern const std::array<CommandDef, kCommandCount + 1> kCommandTable;

// The IDE knows every command as this prefix followed by its name.
inline constexpr std::string_view kCommandPrefix = "Zentrel2.";
// Template commands: the prefix followed by this and the template's command name.
inline constexpr std::string_view kTemplateCommandPrefix = "Zentrel2.CodeTempl_";

// The add-in's popup menu as its resource lays it out, every item enabled.
ui::PopupMenu LoadAddInMenu();

}  // namespace host
