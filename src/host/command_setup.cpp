#include "host/command_setup.h"

#include "host/add_in_app.h"
#include "host/command_table.h"
#include "host/keyboard_scheme.h"
#include "host/template_commands.h"

namespace host {

namespace {

constexpr std::u16string_view kGlobalScope = u"Global::";
constexpr const char* kTextEditorScope = "Text Editor::";

// The table's bindings are plain ASCII, kept in 16 bits as the IDE takes them.
std::string Narrow(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

ide::Ref<ide::CommandBarSet> PreferredBars(ide::Environment& environment) {
    ide::Ref<ide::CommandBars> bars = environment.GetCommandBars();
    if (!bars)
        return nullptr;
    if (auto older = bars->Generation(ide::BarGeneration::Older))
        return older;
    return bars->Generation(ide::BarGeneration::Newer);
}

void AddButton(ide::Command& command, ide::CommandBar& bar, long position, long picture,
               long mask) {
    ide::Ref<ide::CommandBarControl> control = command.AddControl(bar, position);
    if (!control)
        return;
    ide::Ref<ide::CommandBarButton> button = control->Button();
    if (!button)
        return;
    button->SetStyle(ide::kButtonStyleIcon);
    button->SetPicture(picture);
    button->SetMask(mask);
}

void SetUpToolbar(ide::Environment& environment, ide::Commands& commands, SetupMode mode,
                  ide::Command* menu, ide::Command* codeMenu) {
    ide::Ref<ide::CommandBarSet> bars = PreferredBars(environment);
    if (!bars)
        return;
    ide::Ref<ide::CommandBar> bar = bars->Item(kToolbarName);
    if (mode == SetupMode::Remove) {
        if (bar)
            commands.RemoveCommandBar(*bar);
        return;
    }
    if (!bar) {
        bar = commands.AddCommandBar(kToolbarName, ide::kCommandBarTypeToolbar, nullptr, 0);
        if (!bar)
            return;
    } else {
        bar->SetVisible(true);
    }
    AddButton(*menu, *bar, 1, kMenuPicture, kMenuMask);
    AddButton(*codeMenu, *bar, 2, kCodeMenuPicture, kCodeMenuMask);
}

}  // namespace

std::vector<std::string> BindingsFor(const char16_t* binding) {
    const std::u16string_view text(binding);
    std::vector<std::string> bindings{Narrow(text)};
    if (text.substr(0, kGlobalScope.size()) == kGlobalScope) {
        bindings.push_back(kTextEditorScope + Narrow(text.substr(kGlobalScope.size())));
    }
    return bindings;
}

void RemoveCommandsNamed(ide::Commands& commands, const std::string& fragment) {
    const long count = commands.Count();
    for (long index = 1; index <= count; ++index) {
        ide::Ref<ide::Command> command = commands.Item(index);
        if (!command || command->Name().find(fragment) == std::string::npos)
            continue;
        command->SetBindings({});
        // The next command has moved into this index; a refused deletion must not make the
        // walk look at the same command forever.
        if (command->Delete())
            --index;
    }
}

void CreateCommands(AddInApp& app, ide::Environment& environment, ide::AddIn* addIn,
                    SetupMode mode) {
    ide::Ref<ide::Commands> commands = environment.GetCommands();
    if (!commands)
        return;
    RemoveCommandsNamed(*commands, kSchemeMarker);

    ide::Ref<ide::Command> menu;
    ide::Ref<ide::Command> codeMenu;
    if (mode == SetupMode::Create) {
        bool retried = false;
        for (const CommandDef& def : NamedCommands()) {
            ide::Ref<ide::Command> command =
                commands->AddNamedCommand(addIn, def.name, def.buttonText, def.description, true, 0,
                                          ide::kCommandStatusSupportedEnabled);
            if (!command) {
                if (!app.FailedShown()) {
                    app.Platform().MessageBox(kFailedMessage, kFailedCaption, sys::kOk);
                    app.SetFailedShown();
                }
                continue;
            }
            if (def.number == kMenu)
                menu = command;
            if (def.number == kCodeMenu)
                codeMenu = command;
            const std::vector<std::string> bindings = BindingsFor(def.binding);
            if (!command->SetBindings(bindings) && !retried) {
                retried = true;
                EnsureWritableScheme(environment, app.Platform());
                command->SetBindings(bindings);
            }
        }
        if (!menu || !codeMenu)
            return;
    }
    SetUpToolbar(environment, *commands, mode, menu.get(), codeMenu.get());
    SyncTemplateCommands(app, environment, addIn, mode);
}

void RemoveCommands(AddInApp& app, ide::Environment& environment) {
    CreateCommands(app, environment, nullptr, SetupMode::Remove);
}

void SyncTemplateCommands(AddInApp& app, ide::Environment& environment, ide::AddIn* addIn,
                          SetupMode mode) {
    ide::Ref<ide::Commands> commands = environment.GetCommands();
    if (!commands)
        return;
    RemoveCommandsNamed(*commands, kTemplateCommandStem);
    if (mode == SetupMode::Create)
        AddTemplateCommands(addIn, *commands, app.Templates());
}

}  // namespace host
