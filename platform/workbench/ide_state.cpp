#include "workbench/ide_state.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <utility>

#include "workbench/hashed_pointers.h"

namespace workbench {
namespace {

bool Validate(const IdeState& state, std::string& error) {
    const std::size_t count = state.commands.size();
    HashedPointers<const CommandState> commandNames;
    commandNames.Reserve(count);
    auto named = [&](std::uint64_t hash, const std::string& name) {
        return commandNames.FindIf(hash, [&](const CommandState& command) {
            return EqualsIgnoringCase(command.name, name);
        });
    };
    // Hashed ahead, so that each lookup can ask for the slot of one further on.
    constexpr std::size_t kAhead = 16;
    std::vector<std::uint64_t> hashes(count);
    for (std::size_t i = 0; i < count; ++i)
        hashes[i] = FoldedHash{}(state.commands[i].name);
    for (std::size_t i = 0; i < count; ++i) {
        const CommandState& command = state.commands[i];
        if (i + kAhead < count)
            commandNames.Prefetch(hashes[i + kAhead]);
        if (command.name.empty()) {
            error = "command " + std::to_string(i + 1) + " has no name";
            return false;
        }
        if (named(hashes[i], command.name) != nullptr) {
            error = "two commands are named " + command.name;
            return false;
        }
        commandNames.Insert(hashes[i], &command);
        for (const std::string& binding : command.bindings) {
            if (!ParseBinding(binding)) {
                error =
                    "command " + command.name + " has the malformed binding \"" + binding + "\"";
                return false;
            }
        }
    }
    std::unordered_set<std::string> barNames;
    for (std::size_t i = 0; i < state.bars.size(); ++i) {
        const BarState& bar = state.bars[i];
        if (bar.name.empty()) {
            error = "command bar " + std::to_string(i + 1) + " has no name";
            return false;
        }
        if (!barNames.insert(bar.name).second) {
            error = "two command bars are named " + bar.name;
            return false;
        }
        for (const ButtonState& button : bar.buttons) {
            if (named(FoldedHash{}(button.command), button.command) == nullptr) {
                error = "a button of command bar " + bar.name + " runs the unknown command \"" +
                        button.command + "\"";
                return false;
            }
        }
    }
    if (state.keyboardScheme.empty()) {
        error = "no keyboard scheme is named";
        return false;
    }
    return true;
}

}  // namespace

bool RestoreIdeState(const IdeState& state, CommandModel& model, std::string& error) {
    if (!Validate(state, error))
        return false;
    model.Assign(state.commands);
    CommandBarStore& bars = model.Bars();
    bars.Clear();
    for (const BarState& bar : state.bars) {
        std::shared_ptr<BarRecord> record = bars.Add(bar.name);
        record->SetVisible(bar.visible);
        std::vector<ButtonState> buttons = bar.buttons;
        std::stable_sort(buttons.begin(), buttons.end(),
                         [](const auto& a, const auto& b) { return a.position < b.position; });
        for (const ButtonState& button : buttons) {
            bars.Insert(*record, 0,
                        {std::string(model.Find(button.command)->FullName()), button.style,
                         button.picture, button.mask});
        }
    }
    model.Scheme().SetValue(state.keyboardScheme);
    model.Scheme().SetBuiltInReadOnly(state.builtInSchemesReadOnly);
    bars.SetAnswers(ide::BarGeneration::Older, state.olderBars);
    bars.SetAnswers(ide::BarGeneration::Newer, state.newerBars);
    return true;
}

IdeState FreshIdeState() {
    IdeState state;
    state.commands = {
        {"File.SaveAll", "Save All", "Save All", {"Global::ctrl+shift+s"}},
        {"Edit.Copy", "Copy", "Copy", {"Global::ctrl+c", "Global::ctrl+ins"}},
        {"Edit.Paste", "Paste", "Paste", {"Global::ctrl+v", "Global::shift+ins"}},
        {"Edit.GoTo", "Go To...", "Go To Line", {"Text Editor::ctrl+g"}},
        {"Edit.LineDown", "Line Down", "Line Down", {"Text Editor::down"}},
        {"View.SolutionExplorer", "Solution Explorer", "Solution Explorer", {"Global::ctrl+alt+l"}},
    };
    state.bars = {
        {"Standard",
         true,
         {{1, "File.SaveAll", 0, 0, 0}, {2, "Edit.Copy", 0, 0, 0}, {3, "Edit.Paste", 0, 0, 0}}}};
    return state;
}

IdeState CaptureIdeState(const CommandModel& model) {
    IdeState state;
    for (const auto& command : model.All()) {
        state.commands.push_back({std::string(command->FullName()),
                                  std::string(command->ButtonText()),
                                  std::string(command->Tooltip()), command->BindingTexts()});
    }
    for (const auto& bar : model.Bars().Bars()) {
        BarState& captured = state.bars.emplace_back(BarState{bar->Name(), bar->Visible(), {}});
        long position = 0;
        for (const auto& button : bar->Buttons()) {
            captured.buttons.push_back(
                {++position, button->command, button->style, button->picture, button->mask});
        }
    }
    state.keyboardScheme = model.Scheme().Value();
    state.builtInSchemesReadOnly = model.Scheme().BuiltInReadOnly();
    state.olderBars = model.Bars().Answers(ide::BarGeneration::Older);
    state.newerBars = model.Bars().Answers(ide::BarGeneration::Newer);
    return state;
}

}  // namespace workbench
