#include "commands/options/settings_commands.h"

#include "settings/about_box.h"
#include "settings/options_sheet.h"

namespace commands::options {

namespace {

// The IDE shows no window of its own while the add-in's modal dialog is up.
class SuppressedUi {
  public:
    explicit SuppressedUi(ide::Environment* environment) : environment_(environment) {
        if (environment_)
            environment_->SetSuppressUI(true);
    }
    ~SuppressedUi() {
        if (environment_)
            environment_->SetSuppressUI(false);
    }
    SuppressedUi(const SuppressedUi&) = delete;
    SuppressedUi& operator=(const SuppressedUi&) = delete;

  private:
    ide::Environment* environment_;
};

}  // namespace

void Options(const CommandContext& context) {
    const SuppressedUi suppressed(context.environment);
    settings::COptionsSheet sheet(context.settings, [&context] {
        const sys::WaitCursor wait(context.platform);
        if (context.resetCommands)
            context.resetCommands();
    });
    if (!context.platform.ShowOptionsSheet(sheet))
        return;
    sheet.Ok();
    if (context.saveSettings)
        context.saveSettings();
}

void About(const CommandContext& context) {
    const SuppressedUi suppressed(context.environment);
    context.platform.ShowAboutBox(settings::AboutText(settings::GetVersionText(context.platform)));
}

void Help(const CommandContext& context) {
    settings::ShowHelp(context.platform);
}

}  // namespace commands::options
