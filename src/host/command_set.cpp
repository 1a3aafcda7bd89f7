#include "host/command_set.h"

#include "host/add_in_app.h"
#include "host/add_in_menu.h"
#include "host/connect.h"
#include "host/dispatch.h"
#include "templates/run_template.h"

namespace host {

bool CommandSet::Dispatch(int number) {
    return host::Dispatch(number, Context());
}

void CommandSet::ShowAddInMenu() {
    host::ShowAddInMenu(Context());
}

bool CommandSet::RunTemplateCommand(const std::string& name) {
    return templates::RunTemplateCommand(Context(), name);
}

commands::CommandContext CommandSet::Context() {
    return {app_.Environment().get(),
            app_.Platform(),
            app_.Settings(),
            &app_.Members(),
            &app_.Registry(),
            [this] { app_.SaveSettings(); },
            [this] {
                if (Connect* connect = app_.Connection())
                    connect->ResetCommands();
            },
            &app_};
}

}  // namespace host
