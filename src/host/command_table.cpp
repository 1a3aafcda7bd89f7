#include "host/command_table.h"

namespace host {

const std::array<CommandDef, kCommandCount + 1> kCommandTable{{
    {kMenu, "Menu", "Zentrel Menu", "Open Zentrel Menu", u"Global::ctrl+q"},
    {kCodeMenu, "CodeMenu", "Zentrel Code Menu", "Open Zentrel Code Template Menu",
     u"Global::ctrl+0"},
    {kFriendFile, "FriendFile", "Friend File", "Open Friend File", u"Text Editor::ctrl+1"},
    {kFriendMember, "FriendMember", "Friend Member", "Find Friend Member", u"Text Editor::ctrl+2"},
    {kBrowse, "Browse", "Browse", "Browse Members and Files", u"Global::ctrl+4"},
    {kCopyMembers, "CopyMembers", "Copy Members", "Copy Members", u"Text Editor::ctrl+5"},
    {kPasteMembers, "PasteMembers", "Paste Members", "Paste Members", u"Text Editor::ctrl+6"},
    {kCommentize, "Commentize", "(Un)Commentize", "(Un)Commentize Code", u"Text Editor::ctrl+7"},
    {kReverse, "Reverse", "Reverse", "Reverse Code Statement(s)", u"Text Editor::ctrl+8"},
    {kStepUp, "StepUp", "Step Up", "Step Up To Previous Body", u"Text Editor::ctrl+PgUp"},
    {kStepDown, "StepDown", "Step Down", "Step Down To Next Body", u"Text Editor::ctrl+PgDn"},
    {kStepUpSelect, "StepUpSelect", "Step Up Select", "Extend Selection Up To Previous Body",
     u"Text Editor::ctrl+shift+PgUp"},
    {kStepDownSelect, "StepDownSelect", "Step Down Select", "Extend Selection Down To Next Body",
     u"Text Editor::ctrl+shift+PgDn"},
    {0, nullptr, nullptr, nullptr, nullptr},
}};

ui::PopupMenu LoadAddInMenu() {
    using ui::MenuItem;
    MenuItem title = MenuItem::Command(kMenuTitle, "Zentrel Add-In\tCTRL-Q");
    title.enabled = false;
    title.isDefault = true;
    return ui::PopupMenu({
        title,
        MenuItem::Separator(),
        MenuItem::Command(kFriendFile, "Friend File\tCTRL+1"),
        MenuItem::Command(kFriendMember, "Friend &Member\tCTRL+2"),
        MenuItem::Command(kBrowse, "&Browse...\tCTRL+4"),
        MenuItem::Command(kCopyMembers, "&Copy Members\tCTRL+5"),
        MenuItem::Command(kPasteMembers, "&Paste Members\tCTRL+6"),
        MenuItem::Command(kCommentize, "(Un) Commenti&ze\tCTRL+7"),
        MenuItem::Command(kReverse, "&Reverse\tCTRL+8"),
        MenuItem::Command(kStepUp, "Step &Up\tCTRL+PageUp"),
        MenuItem::Command(kStepDown, "Step &Down\tCTRL+PageDown"),
        MenuItem::Command(kAddBreakpoints, "Add Brea&kpoints"),
        MenuItem::Separator(),
        MenuItem::Command(kFileProperties, "Fil&e Properties"),
        MenuItem::Command(kToggleReadOnly, "&Toggle File Read-only"),
        MenuItem::Command(kCopyFilename, "Cop&y Filename"),
        MenuItem::Command(kCopyFile, "Copy F&ile"),
        MenuItem::Command(kOpenFolder, "Ope&n Folder"),
        MenuItem::Separator(),
        MenuItem::Command(kClean, "Clean..."),
        MenuItem::Separator(),
        MenuItem::Command(kOptions, "&Options"),
        MenuItem::Command(kHelp, "&Help"),
        MenuItem::Command(kAbout, "&About"),
    });
}

}  // namespace host
