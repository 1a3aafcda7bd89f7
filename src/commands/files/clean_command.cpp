#include "commands/files/clean_command.h"

#include "commands/files/clean_dialog.h"

namespace commands::files {

void Clean(const CommandContext& context) {
    if (context.registry == nullptr)
        return;
    if (context.environment != nullptr)
        context.environment->SetSuppressUI(true);
    CleanDlg dialog(context.platform, *context.registry);
    context.platform.ShowCleanDialog(dialog);
    if (context.environment != nullptr)
        context.environment->SetSuppressUI(false);
}

}  // namespace commands::files
