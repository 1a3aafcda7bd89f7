#include "host/add_in_menu.h"

#include <optional>

#include "editor/editor_document.h"
#include "host/command_table.h"
#include "host/dispatch.h"

namespace host {

namespace {

struct MenuConditions {
    bool cppDocument = false;
    bool textDocument = false;
    bool projects = false;
    bool sourceFile = false;
};

bool SolutionHasProjects(ide::Environment& environment) {
    ide::Ref<ide::Solution> solution = environment.GetSolution();
    if (!solution)
        return false;
    ide::Ref<ide::Projects> projects = solution->GetProjects();
    return projects && projects->Count() > 0;
}

bool Holds(MenuCondition condition, const MenuConditions& when) {
    switch (condition) {
        case MenuCondition::Always:
            return true;
        case MenuCondition::CppDocument:
            return when.cppDocument;
        case MenuCondition::TextDocument:
            return when.textDocument;
        case MenuCondition::ProjectsOrTextDocument:
            return when.projects || when.textDocument;
        case MenuCondition::CppSourceFile:
            return when.cppDocument && when.sourceFile;
    }
    return true;
}

}  // namespace

ui::PopupMenu LoadAddInMenu() {
    std::vector<ui::MenuItem> items;
    for (const CommandDef& row : kCommandTable) {
        if (row.menuText == nullptr)
            continue;
        if (row.menuSeparatorBefore)
            items.push_back(ui::MenuItem::Separator());
        items.push_back(ui::MenuItem::Command(row.number, row.menuText));
    }
    ui::PopupMenu menu(std::move(items));
    menu.EnableItem(kMenuTitle, false);
    menu.SetDefaultItem(0);
    return menu;
}

void ShowAddInMenu(const commands::CommandContext& context) {
    ui::PopupMenu menu = LoadAddInMenu();

    // The document stays attached until the chosen command has run, as the menu was built.
    std::optional<editor::EditorDocument> document;
    MenuConditions when;
    if (context.environment != nullptr) {
        document.emplace(*context.environment, context.platform, context.Kinds());
        when.cppDocument = document->Attach(std::nullopt, &when.textDocument, false);
        when.sourceFile = when.cppDocument && document->IsSourceFile();
        when.projects = SolutionHasProjects(*context.environment);
    }

    for (ui::MenuItem& item : menu.Items()) {
        if (const CommandDef* row = item.separator ? nullptr : FindCommand(item.number))
            item.enabled = Holds(row->enabledWhen, when);
    }
    menu.EnableItem(kMenuTitle, false);
    menu.SetDefaultItem(0);

    // Only an item of this menu runs, so a host's answer can never reopen the menu.
    const int choice = context.platform.TrackPopupMenu(menu);
    if (menu.FindItem(choice) != nullptr)
        Dispatch(choice, context);
}

}  // namespace host
