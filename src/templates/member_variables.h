// The "member." variables: renderings of one copied member.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "analysis/member_record.h"

namespace templates {

// The rendering named by `sub` (name, uname, short, paramname, type, typeshort, prefix,
// access, params, header, source); none for any other sub.
std::optional<std::string> MemberVariable(const analysis::MemberRecord& member,
                                          std::string_view sub, const analysis::PasteStyle& style);

}  // namespace templates
