#include "host/command_set.h"

#include "commands/navigate/friend_file.h"
#include "commands/navigate/step.h"
#include "host/add_in_app.h"
#include "host/command_table.h"

namespace host {

bool CommandSet::Dispatch(int number) {
    switch (number) {
        case kNoCommand:
        case kMenuTitle:
            return true;
        case kFriendFile:
            FriendFile();
            return true;
        case kFriendMember:
            FriendMember();
            return true;
        case kBrowse:
            Browse();
            return true;
        case kCopyMembers:
            CopyMembers();
            return true;
        case kPasteMembers:
            PasteMembers();
            return true;
        case kCommentize:
            Commentize();
            return true;
        case kReverse:
            Reverse();
            return true;
        case kStepUp:
            Step(true, false);
            return true;
        case kStepDown:
            Step(false, false);
            return true;
        case kStepUpSelect:
            Step(true, true);
            return true;
        case kStepDownSelect:
            Step(false, true);
            return true;
        case kClean:
            Clean();
            return true;
        case kFileProperties:
            FileProperties();
            return true;
        case kToggleReadOnly:
            ToggleReadOnly();
            return true;
        case kCopyFilename:
            CopyFilename();
            return true;
        case kCopyFile:
            CopyFile();
            return true;
        case kOpenFolder:
            OpenFolder();
            return true;
        case kAddBreakpoints:
            AddBreakpoints();
            return true;
        case kOptions:
            Options();
            return true;
        case kHelp:
            Help();
            return true;
        case kAbout:
            About();
            return true;
        case kMenu:
            ShowAddInMenu();
            return true;
        case kCodeMenu:
            ShowCodeMenu();
            return true;
        default:
            return false;
    }
}

commands::CommandContext CommandSet::Context() {
    return {environment_.get(), app_.Platform(), app_.Settings()};
}

void CommandSet::FriendFile() {
    commands::navigate::FriendFile(Context());
}

void CommandSet::Step(bool up, bool extend) {
    commands::navigate::Step(Context(), up, extend);
}

}  // namespace host
