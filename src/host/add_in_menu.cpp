#include <optional>

#include "editor/editor_document.h"
#include "host/add_in_app.h"
#include "host/command_set.h"
#include "host/command_table.h"

namespace host {

namespace {

bool SolutionHasProjects(ide::Environment& environment) {
    ide::Ref<ide::Solution> solution = environment.GetSolution();
    if (!solution)
        return false;
    ide::Ref<ide::Projects> projects = solution->GetProjects();
    return projects && projects->Count() > 0;
}

struct MenuConditions {
    bool cppDocument = false;
    bool textDocument = false;
    bool projects = false;
    bool sourceFile = false;
};

bool ItemEnabled(int number, const MenuConditions& when) {
    switch (number) {
        case kFriendFile:
        case kFriendMember:
        case kCopyMembers:
        case kPasteMembers:
        case kReverse:
            return when.cppDocument;
        case kCommentize:
        case kStepUp:
        case kStepDown:
        case kFileProperties:
        case kToggleReadOnly:
        case kCopyFilename:
        case kCopyFile:
        case kOpenFolder:
            return when.textDocument;
        case kBrowse:
            return when.projects || when.textDocument;
        case kAddBreakpoints:
            return when.cppDocument && when.sourceFile;
        default:
            return true;
    }
}

}  // namespace

void CommandSet::ShowAddInMenu() {
    ui::PopupMenu menu = LoadAddInMenu();

    // The document stays attached until the chosen command has run, as the menu was built.
    std::optional<editor::EditorDocument> document;
    MenuConditions when;
    if (environment_) {
        document.emplace(*environment_, app_.Platform(), app_.FileKinds());
        when.cppDocument = document->Attach(std::nullopt, &when.textDocument, false);
        when.sourceFile = when.cppDocument && document->IsSourceFile();
        when.projects = SolutionHasProjects(*environment_);
    }

    for (ui::MenuItem& item : menu.Items()) {
        if (item.separator)
            continue;
        item.enabled = ItemEnabled(item.number, when);
    }
    menu.EnableItem(kMenuTitle, false);
    menu.SetDefaultItem(0);

    const int choice = app_.Platform().TrackPopupMenu(menu);
    Dispatch(choice);
}

}  // namespace host
