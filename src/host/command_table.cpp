#include "host/command_table.h"

#include "commands/edit/commentize.h"
#include "commands/edit/reverse.h"
#include "commands/files/clean_command.h"
#include "commands/files/file_commands.h"
#include "commands/members/copy_members.h"
#include "commands/members/paste_members.h"
#include "commands/navigate/add_breakpoints.h"
#include "commands/navigate/browse_command.h"
#include "commands/navigate/friend_file.h"
#include "commands/navigate/friend_member.h"
#include "commands/navigate/step.h"
#include "commands/options/settings_commands.h"
#include "editor/extension_list.h"
#include "host/add_in_menu.h"
#include "templates/template_menu.h"

namespace host {

namespace {

using commands::CommandContext;
using enum MenuCondition;

void StepUp(const CommandContext& context) {
    commands::navigate::Step(context, true, false);
}
void StepDown(const CommandContext& context) {
    commands::navigate::Step(context, false, false);
}
void StepUpSelect(const CommandContext& context) {
    commands::navigate::Step(context, true, true);
}
void StepDownSelect(const CommandContext& context) {
    commands::navigate::Step(context, false, true);
}

constexpr CommandDef kRows[] = {
    {.number = kNoCommand},
    {.number = kMenu,
     .name = "Menu",
     .buttonText = "Zentrel Menu",
     .description = "Open Zentrel Menu",
     .binding = u"Global::ctrl+q",
     .run = ShowAddInMenu},
    {.number = kCodeMenu,
     .name = "CodeMenu",
     .buttonText = "Zentrel Code Menu",
     .description = "Open Zentrel Code Template Menu",
     .binding = u"Global::ctrl+0",
     .run = templates::ShowTemplateMenu},
    {.number = kMenuTitle, .menuText = "Zentrel Add-In\tCTRL-Q"},
    {.number = 32769,
     .name = "FriendFile",
     .buttonText = "Friend File",
     .description = "Open Friend File",
     .binding = u"Text Editor::ctrl+1",
     .menuText = "Friend File\tCTRL+1",
     .menuSeparatorBefore = true,
     .enabledWhen = CppDocument,
     .run = commands::navigate::FriendFile},
    {.number = 32772,
     .name = "FriendMember",
     .buttonText = "Friend Member",
     .description = "Find Friend Member",
     .binding = u"Text Editor::ctrl+2",
     .menuText = "Friend &Member\tCTRL+2",
     .enabledWhen = CppDocument,
     .run = commands::navigate::FriendMember},
    {.number = 32774,
     .name = "Browse",
     .buttonText = "Browse",
     .description = "Browse Members and Files",
     .binding = u"Global::ctrl+4",
     .menuText = "&Browse...\tCTRL+4",
     .enabledWhen = ProjectsOrTextDocument,
     .run = commands::navigate::Browse},
    {.number = 32776,
     .name = "CopyMembers",
     .buttonText = "Copy Members",
     .description = "Copy Members",
     .binding = u"Text Editor::ctrl+5",
     .menuText = "&Copy Members\tCTRL+5",
     .enabledWhen = CppDocument,
     .run = commands::members::CopyMembers},
    {.number = 32778,
     .name = "PasteMembers",
     .buttonText = "Paste Members",
     .description = "Paste Members",
     .binding = u"Text Editor::ctrl+6",
     .menuText = "&Paste Members\tCTRL+6",
     .enabledWhen = CppDocument,
     .run = commands::members::PasteMembers},
    {.number = 32780,
     .name = "Commentize",
     .buttonText = "(Un)Commentize",
     .description = "(Un)Commentize Code",
     .binding = u"Text Editor::ctrl+7",
     .menuText = "(Un) Commenti&ze\tCTRL+7",
     .enabledWhen = TextDocument,
     .run = commands::edit::Commentize},
    {.number = 32782,
     .name = "Reverse",
     .buttonText = "Reverse",
     .description = "Reverse Code Statement(s)",
     .binding = u"Text Editor::ctrl+8",
     .menuText = "&Reverse\tCTRL+8",
     .enabledWhen = CppDocument,
     .run = commands::edit::Reverse},
    {.number = 32784,
     .name = "StepUp",
     .buttonText = "Step Up",
     .description = "Step Up To Previous Body",
     .binding = u"Text Editor::ctrl+PgUp",
     .menuText = "Step &Up\tCTRL+PageUp",
     .enabledWhen = TextDocument,
     .run = StepUp},
    {.number = 32786,
     .name = "StepDown",
     .buttonText = "Step Down",
     .description = "Step Down To Next Body",
     .binding = u"Text Editor::ctrl+PgDn",
     .menuText = "Step &Down\tCTRL+PageDown",
     .enabledWhen = TextDocument,
     .run = StepDown},
    {.number = 65003,
     .name = "StepUpSelect",
     .buttonText = "Step Up Select",
     .description = "Extend Selection Up To Previous Body",
     .binding = u"Text Editor::ctrl+shift+PgUp",
     .run = StepUpSelect},
    {.number = 65004,
     .name = "StepDownSelect",
     .buttonText = "Step Down Select",
     .description = "Extend Selection Down To Next Body",
     .binding = u"Text Editor::ctrl+shift+PgDn",
     .run = StepDownSelect},
    {.number = 32802,
     .menuText = "Add Brea&kpoints",
     .enabledWhen = CppSourceFile,
     .run = commands::navigate::AddBreakpoints},
    {.number = 32792,
     .menuText = "Fil&e Properties",
     .menuSeparatorBefore = true,
     .enabledWhen = TextDocument,
     .run = commands::files::FileProperties},
    {.number = 32794,
     .menuText = "&Toggle File Read-only",
     .enabledWhen = TextDocument,
     .run = commands::files::ToggleReadOnly},
    {.number = 32796,
     .menuText = "Cop&y Filename",
     .enabledWhen = TextDocument,
     .run = commands::files::CopyFilename},
    {.number = 32798,
     .menuText = "Copy F&ile",
     .enabledWhen = TextDocument,
     .run = commands::files::CopyFile},
    {.number = 32800,
     .menuText = "Ope&n Folder",
     .enabledWhen = TextDocument,
     .run = commands::files::OpenFolder},
    {.number = 32790,
     .menuText = "Clean...",
     .menuSeparatorBefore = true,
     .run = commands::files::Clean},
    {.number = 32804,
     .menuText = "&Options",
     .menuSeparatorBefore = true,
     .run = commands::options::Options},
    {.number = 32806, .menuText = "&Help", .run = commands::options::Help},
    {.number = 32808, .menuText = "&About", .run = commands::options::About},
};

constexpr bool NumbersDistinct() {
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        for (std::size_t j = i + 1; j < std::size(kRows); ++j) {
            if (kRows[i].number == kRows[j].number)
                return false;
        }
    }
    return true;
}
static_assert(NumbersDistinct(), "two rows with one number");

constexpr std::size_t NamedRows() {
    std::size_t count = 0;
    for (const CommandDef& row : kRows)
        count += row.name != nullptr;
    return count;
}
static_assert(NamedRows() == kCommandCount);

}  // namespace

const std::span<const CommandDef> kCommandTable(kRows);

std::vector<std::reference_wrapper<const CommandDef>> NamedCommands() {
    std::vector<std::reference_wrapper<const CommandDef>> named;
    for (const CommandDef& row : kCommandTable) {
        if (row.name != nullptr)
            named.push_back(row);
    }
    return named;
}

const CommandDef* FindCommand(int number) {
    for (const CommandDef& row : kCommandTable) {
        if (row.number == number)
            return &row;
    }
    return nullptr;
}

const CommandDef* FindNamedCommand(std::string_view fullName) {
    if (fullName.size() < kCommandPrefix.size() ||
        !editor::EqualsIgnoreCase(fullName.substr(0, kCommandPrefix.size()), kCommandPrefix)) {
        return nullptr;
    }
    const std::string_view name = fullName.substr(kCommandPrefix.size());
    for (const CommandDef& row : NamedCommands()) {
        if (editor::EqualsIgnoreCase(name, row.name))
            return &row;
    }
    return nullptr;
}

}  // namespace host
