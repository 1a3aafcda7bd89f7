// Every command the add-in runs is reached through one object per IDE connection.
#pragma once

#include <string>

#include "commands/command_context.h"
#include "editor/ide.h"

namespace host {

class AddInApp;

class CommandSet {
  public:
    explicit CommandSet(AddInApp& app) : app_(app) {}

    // True for every known command number, after running it.
    bool Dispatch(int number);

    void ShowAddInMenu();
    void ShowCodeMenu();
    bool RunTemplateCommand(const std::string& name);

    void FriendFile();
    void FriendMember();
    void Browse();
    void CopyMembers();
    void PasteMembers();
    void Commentize();
    void Reverse();
    void Step(bool up, bool extend);
    void AddBreakpoints();
    void FileProperties();
    void ToggleReadOnly();
    void CopyFilename();
    void CopyFile();
    void OpenFolder();
    void Clean();
    void Options();
    void Help();
    void About();

    const ide::Ref<ide::Environment>& Environment() const { return environment_; }
    void SetEnvironment(ide::Ref<ide::Environment> environment) {
        environment_ = std::move(environment);
    }
    AddInApp& App() { return app_; }

  private:
    commands::CommandContext Context();

    AddInApp& app_;
    ide::Ref<ide::Environment> environment_;
};

}  // namespace host
