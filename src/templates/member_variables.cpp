#include "templates/member_variables.h"

namespace templates {

std::optional<std::string> MemberVariable(const analysis::MemberRecord& member,
                                          std::string_view sub, const analysis::PasteStyle& style) {
    if (sub == "source")
        return member.Generate(0, 0, true, false, true, style);
    if (sub == "header")
        return member.Generate(0, 0, false, false, true, style);
    if (sub == "name")
        return member.Member;
    if (sub == "uname")
        return member.CapitalizedName();
    if (sub == "short")
        return member.PropertyName();
    if (sub == "paramname")
        return member.NameWithoutScopePrefix();
    if (sub == "type")
        return member.Type;
    if (sub == "typeshort")
        return member.BaseType();
    if (sub == "prefix")
        return member.GetPrefix(false, style);
    if (sub == "access")
        return member.AccessText();
    if (sub == "params")
        return member.ParamListText(false, style);
    return std::nullopt;
}

}  // namespace templates
