// The add-in object the IDE connects: it hands the IDE to the commands and decides whether the
// commands must be set up for this IDE version.
#pragma once

#include "editor/ide.h"
#include "host/command_set.h"

namespace host {

class AddInApp;

inline constexpr const char* kSetupSection = "Setup";
inline constexpr const char* kDefaultSetupMarker = "Setup";

class Connect {
  public:
    explicit Connect(AddInApp& app) : app_(app), commands_(app) {}
    ~Connect();
    Connect(const Connect&) = delete;
    Connect& operator=(const Connect&) = delete;

    // The connect mode and custom arguments of the IDE's call are not looked at.
    void OnConnection(ide::Ref<ide::Environment> application, ide::Ref<ide::AddIn> addIn);
    void OnDisconnection();
    void OnAddInsUpdate() {}
    void OnStartupComplete() {}
    void OnBeginShutdown() {}

    // True when the IDE still holds a command of the add-in and its toolbar.
    bool IsSetUp();
    // Sets the commands up again, as on a first start.
    void ResetCommands();

    // The application holds the IDE of the one connected add-in object.
    bool Connected() const;
    CommandSet& Commands() { return commands_; }
    const ide::Ref<ide::AddIn>& AddInInstance() const { return addIn_; }

  private:
    AddInApp& app_;
    ide::Ref<ide::AddIn> addIn_;
    CommandSet commands_;
};

}  // namespace host
