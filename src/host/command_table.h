// Every command the add-in knows, one row each: what the IDE, the popup menu and the
// dispatcher need of it.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "commands/command_context.h"

namespace host {

// Numbers the code itself refers to; every other number lives only in its row.
inline constexpr int kNoCommand = 0;  // the popup menu dismissed
inline constexpr int kMenuTitle = 32770;
inline constexpr int kMenu = 65001;
inline constexpr int kCodeMenu = 65002;

// When the popup menu enables a command.
enum class MenuCondition {
    Always,
    CppDocument,             // a C, C++ or IDL document is active
    TextDocument,            // a text document is active
    ProjectsOrTextDocument,  // the solution has a project, or a text document is active
    CppSourceFile,           // a C/C++ document whose extension is a source extension
};

// Runs a command. A row without one is a command not built yet: it runs nothing.
using CommandHandler = void (*)(const commands::CommandContext&);

struct CommandDef {
    int number = 0;
    // The IDE knows the command as kCommandPrefix + name; none for the menu-only commands.
    const char* name = nullptr;
    const char* buttonText = nullptr;
    const char* description = nullptr;  // the tooltip
    const char16_t* binding = nullptr;  // scope "::" keys
    // The popup menu lists the rows with a text, in table order.
    const char* menuText = nullptr;
    bool menuSeparatorBefore = false;
    MenuCondition enabledWhen = MenuCondition::Always;
    CommandHandler run = nullptr;
};

// The rows in order: the named ones in the order the IDE creates them and Exec searches them,
// the ones with a menu text in the popup menu's order.
extern const std::span<const CommandDef> kCommandTable;
// How many rows have a name.
inline constexpr std::size_t kCommandCount = 13;

// The rows the IDE knows by name, in creation order.
std::vector<std::reference_wrapper<const CommandDef>> NamedCommands();

// The row with this number; none for a number no command has.
const CommandDef* FindCommand(int number);
// The row the IDE's full command name (kCommandPrefix + name, any case) names; none else.
const CommandDef* FindNamedCommand(std::string_view fullName);

// The IDE knows every command as this prefix followed by its name.
inline constexpr std::string_view kCommandPrefix = "Zentrel2.";
// Template commands: the prefix followed by this and the template's command name.
inline constexpr std::string_view kTemplateCommandPrefix = "Zentrel2.CodeTempl_";

}  // namespace host
