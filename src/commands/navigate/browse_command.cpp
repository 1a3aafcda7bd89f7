#include "commands/navigate/browse_command.h"

#include "commands/navigate/browse_dialog.h"

namespace commands::navigate {

void Browse(const CommandContext& context) {
    if (!context.environment)
        return;
    ide::Environment& environment = *context.environment;
    environment.SetSuppressUI(true);
    BrowseDialog dialog(context, context.registry);
    // Nothing to show closes the dialog before it appears.
    if (dialog.Open())
        context.platform.ShowBrowseDialog(dialog);
    environment.SetSuppressUI(false);
}

}  // namespace commands::navigate
