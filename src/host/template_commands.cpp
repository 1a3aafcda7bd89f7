#include "host/template_commands.h"

#include "host/command_setup.h"
#include "templates/template_walk.h"

namespace host {

void AddTemplateCommands(ide::AddIn* addIn, ide::Commands& commands,
                         const templates::TemplateList& list) {
    // A node comes before its children, as the IDE lists the commands.
    templates::TemplateWalk walk(list);
    while (walk.Next()) {
        if (walk.Kind() == templates::TemplateWalk::Step::kLeaveGroup)
            continue;
        const templates::TemplateNode& node = walk.Node();
        if (!templates::HasKey(node))
            continue;
        const std::string name = templates::CommandName(node);
        ide::Ref<ide::Command> command = commands.AddNamedCommand(
            addIn, kTemplateCommandStem + name, name, kTemplateTooltip + name, false, 0,
            ide::kCommandStatusSupportedEnabled);
        if (command)
            command->SetBindings({"Text Editor::" + node.key});
    }
}

}  // namespace host
