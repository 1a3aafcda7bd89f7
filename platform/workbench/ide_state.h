// What the IDE keeps of itself between runs: its commands with their bindings, its command
// bars with their buttons, the keyboard scheme and the environment's details.
#pragma once

#include <string>
#include <vector>

#include "workbench/command_model.h"

namespace workbench {

struct ButtonState {
    long position = 0;  // 1-based
    std::string command;
    long style = 0;
    long picture = 0;
    long mask = 0;
    bool operator==(const ButtonState&) const = default;
};

struct BarState {
    std::string name;
    bool visible = true;
    std::vector<ButtonState> buttons;
    bool operator==(const BarState&) const = default;
};

struct IdeState {
    std::vector<CommandState> commands;
    std::vector<BarState> bars;
    std::string keyboardScheme = KeyboardScheme::kDefault;
    bool builtInSchemesReadOnly = true;
    bool olderBars = true;  // which generations the bar collection answers
    bool newerBars = true;
    std::string registryRoot = "Software\\Microsoft\\VisualStudio\\8.0";
    std::string version = "8.0";  // empty: the IDE cannot tell its version
    bool operator==(const IdeState&) const = default;
};

// A fresh IDE: its own commands (none of the add-in's) and its "Standard" toolbar.
IdeState FreshIdeState();

// The model holds no environment details: capturing leaves the registry root and the version
// at their defaults, restoring does not look at them.
IdeState CaptureIdeState(const CommandModel& model);
// Checks everything before changing anything: names present and unique, bindings well formed,
// each button naming a known command, a scheme named. On failure the model is unchanged.
bool RestoreIdeState(const IdeState& state, CommandModel& model, std::string& error);

}  // namespace workbench
