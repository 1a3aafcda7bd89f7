#include "host/command_target.h"

#include "editor/extension_list.h"
#include "host/command_set.h"
#include "host/command_table.h"

namespace host {

bool Exec(CommandSet& commands, const std::string& name, long executeOption) {
    if (executeOption != kExecOptionDoDefault)
        return false;

    const std::string_view prefix = kTemplateCommandPrefix;
    if (name.size() >= prefix.size() &&
        editor::EqualsIgnoreCase(std::string_view(name).substr(0, prefix.size()), prefix)) {
        commands.RunTemplateCommand(name.substr(prefix.size()));
    }

    if (const CommandDef* row = FindNamedCommand(name)) {
        commands.Dispatch(row->number);
        return true;
    }
    return false;
}

void QueryStatus(long wantedText, long& status) {
    if (wantedText == kWantedTextNone)
        status = kStatusSupportedEnabled;
}

}  // namespace host
