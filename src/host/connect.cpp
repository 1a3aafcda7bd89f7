#include "host/connect.h"

#include "host/add_in_app.h"
#include "host/command_setup.h"
#include "host/keyboard_scheme.h"

namespace host {

Connect::~Connect() {
    if (Connected())
        OnDisconnection();
}

bool Connect::Connected() const {
    return app_.Connection() == this && app_.Environment() != nullptr;
}

void Connect::OnConnection(ide::Ref<ide::Environment> application, ide::Ref<ide::AddIn> addIn) {
    if (Connected())
        return;
    // Without the IDE's root object nothing later can work: stay unconnected.
    if (!application)
        return;
    ide::Environment& environment = *application;
    addIn_ = std::move(addIn);
    app_.SetEnvironment(std::move(application));
    app_.SetConnection(this);

    std::string marker = kDefaultSetupMarker;
    if (std::string version = environment.Version(); !version.empty())
        marker = version;

    int setUp = 0;
    const bool present = app_.Registry().ReadInt(kSetupSection, marker, setUp);
    if (!(present && setUp == 1 && IsSetUp())) {
        CreateCommands(app_, environment, addIn_.get(), SetupMode::Create);
    }
    app_.Registry().WriteInt(kSetupSection, marker, 1);
}

void Connect::OnDisconnection() {
    if (app_.Connection() != this)
        return;
    app_.SetEnvironment(nullptr);
    app_.SetConnection(nullptr);
}

bool Connect::IsSetUp() {
    if (!Connected())
        return false;
    ide::Environment& environment = *app_.Environment();
    ide::Ref<ide::Commands> commands = environment.GetCommands();
    if (!commands)
        return false;
    bool found = false;
    const long count = commands->Count();
    for (long index = 1; index <= count && !found; ++index) {
        ide::Ref<ide::Command> command = commands->Item(index);
        found = command && command->Name().find(kSchemeMarker) != std::string::npos;
    }
    if (!found)
        return false;

    ide::Ref<ide::CommandBars> bars = environment.GetCommandBars();
    if (!bars)
        return false;
    // The newer generation, when it answers, has the last word.
    bool lastRequestFound = true;
    for (ide::BarGeneration generation : {ide::BarGeneration::Older, ide::BarGeneration::Newer}) {
        if (ide::Ref<ide::CommandBarSet> set = bars->Generation(generation)) {
            lastRequestFound = set->Item(kToolbarName) != nullptr;
        }
    }
    return lastRequestFound;
}

void Connect::ResetCommands() {
    if (Connected())
        CreateCommands(app_, *app_.Environment(), addIn_.get(), SetupMode::Create);
}

}  // namespace host
