#include "host/command_set.h"

namespace host {

// Commands that have not been built yet run and do nothing; each arrives with its feature.
void CommandSet::ShowCodeMenu() {}
bool CommandSet::RunTemplateCommand(const std::string&) {
    return false;
}
void CommandSet::FriendMember() {}
void CommandSet::Browse() {}
void CommandSet::CopyMembers() {}
void CommandSet::PasteMembers() {}
void CommandSet::Commentize() {}
void CommandSet::Reverse() {}
void CommandSet::AddBreakpoints() {}
void CommandSet::FileProperties() {}
void CommandSet::ToggleReadOnly() {}
void CommandSet::CopyFilename() {}
void CommandSet::CopyFile() {}
void CommandSet::OpenFolder() {}
void CommandSet::Clean() {}
void CommandSet::Options() {}
void CommandSet::Help() {}
void CommandSet::About() {}

}  // namespace host
