// Every command the add-in runs is reached through one object per IDE connection.
#pragma once

#include <string>

#include "commands/command_context.h"

namespace host {

class AddInApp;

class CommandSet {
  public:
    explicit CommandSet(AddInApp& app) : app_(app) {}

    // True for every number of the command table, after running its command.
    bool Dispatch(int number);
    void ShowAddInMenu();
    bool RunTemplateCommand(const std::string& name);

    AddInApp& App() { return app_; }

  private:
    // The IDE the application is connected to, with the application's services and settings.
    commands::CommandContext Context();

    AddInApp& app_;
};

}  // namespace host
