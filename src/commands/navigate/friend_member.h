#pragma once

#include <string>

#include "analysis/member_record.h"
#include "commands/command_context.h"

namespace commands::navigate {

// The editor's find pattern for the line that declares or defines the member in the friend
// file; `name` is the member's name with every '~' escaped.
std::string FriendMemberPattern(const analysis::MemberRecord& member, const std::string& name,
                                bool inSourceFile);

// The Friend Member command: from the member at the caret to its declaration or definition
// in the friend file.
void FriendMember(const CommandContext& context);

}  // namespace commands::navigate
