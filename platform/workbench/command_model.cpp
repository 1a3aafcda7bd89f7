#include "workbench/command_model.h"

#include <algorithm>

#include "workbench/command_bars.h"

namespace workbench {

std::string NamedCommand::Name() {
    return owner_.expired() ? std::string() : name_;
}

std::vector<std::string> NamedCommand::Bindings() {
    return owner_.expired() ? std::vector<std::string>() : bindings_;
}

bool NamedCommand::SetBindings(const std::vector<std::string>& bindings) {
    std::shared_ptr<CommandModel> owner = owner_.lock();
    return owner && owner->WriteBindings(*this, bindings);
}

bool NamedCommand::Delete() {
    std::shared_ptr<CommandModel> owner = owner_.lock();
    return owner && owner->Remove(*this);
}

ide::Ref<ide::CommandBarControl> NamedCommand::AddControl(ide::CommandBar& bar, long position) {
    std::shared_ptr<CommandModel> owner = owner_.lock();
    std::shared_ptr<BarRecord> record = owner ? owner->OwnBar(bar) : nullptr;
    if (!record)
        return nullptr;
    return std::make_shared<BarButtonView>(record->Insert(position, {.command = name_}));
}

bool NamedCommand::BoundTo(const KeyBinding& binding) const {
    return std::any_of(bindings_.begin(), bindings_.end(), [&](const std::string& text) {
        std::optional<KeyBinding> own = ParseBinding(text);
        return own && *own == binding;
    });
}

ide::Ref<ide::Command> CommandModel::Item(long index) {
    if (index < 1 || index > Count())
        return nullptr;
    return commands_[static_cast<std::size_t>(index - 1)];
}

ide::Ref<ide::Command> CommandModel::AddNamedCommand(ide::AddIn* addIn, const std::string& name,
                                                     const std::string& buttonText,
                                                     const std::string& tooltip, bool, long, long) {
    if (addIn == nullptr || name.empty())
        return nullptr;
    std::string progId = addIn->ProgID();
    if (progId.empty())
        return nullptr;
    return Add(progId + "." + name, buttonText, tooltip, {});
}

ide::Ref<ide::CommandBar> CommandModel::AddCommandBar(const std::string& name, long type,
                                                      ide::CommandBar* parent, long) {
    if (type != ide::kCommandBarTypeToolbar || parent != nullptr)
        return nullptr;
    std::shared_ptr<BarRecord> bar = bars_->Add(name);
    if (!bar)
        return nullptr;
    for (auto generation : {ide::BarGeneration::Newer, ide::BarGeneration::Older}) {
        if (bars_->Answers(generation))
            return std::make_shared<BarView>(bar, generation);
    }
    return nullptr;
}

bool CommandModel::RemoveCommandBar(ide::CommandBar& bar) {
    std::shared_ptr<BarRecord> record = OwnBar(bar);
    return record && bars_->Remove(*record);
}

std::shared_ptr<NamedCommand> CommandModel::Add(const std::string& fullName,
                                                const std::string& buttonText,
                                                const std::string& tooltip,
                                                std::vector<std::string> bindings) {
    if (fullName.empty() || Find(fullName))
        return nullptr;
    auto command = std::make_shared<NamedCommand>(weak_from_this(), fullName, buttonText, tooltip);
    command->bindings_ = std::move(bindings);
    return commands_.emplace_back(std::move(command));
}

void CommandModel::Clear() {
    for (const auto& command : commands_)
        command->owner_.reset();
    commands_.clear();
}

std::shared_ptr<NamedCommand> CommandModel::Find(const std::string& fullName) const {
    auto found = std::find_if(commands_.begin(), commands_.end(), [&](const auto& command) {
        return EqualsIgnoringCase(command->FullName(), fullName);
    });
    return found == commands_.end() ? nullptr : *found;
}

std::shared_ptr<NamedCommand> CommandModel::BoundTo(const KeyBinding& binding) const {
    auto found = std::find_if(commands_.begin(), commands_.end(),
                              [&](const auto& command) { return command->BoundTo(binding); });
    return found == commands_.end() ? nullptr : *found;
}

bool CommandModel::WriteBindings(NamedCommand& command, const std::vector<std::string>& bindings) {
    if (!scheme_->Writable())
        return false;
    std::vector<KeyBinding> parsed;
    for (const std::string& text : bindings) {
        std::optional<KeyBinding> binding = ParseBinding(text);
        if (!binding)
            return false;
        parsed.push_back(std::move(*binding));
    }
    for (const auto& other : commands_) {
        if (other.get() == &command)
            continue;
        std::erase_if(other->bindings_, [&](const std::string& text) {
            std::optional<KeyBinding> own = ParseBinding(text);
            return own && std::find(parsed.begin(), parsed.end(), *own) != parsed.end();
        });
    }
    command.bindings_ = bindings;
    return true;
}

bool CommandModel::Remove(NamedCommand& command) {
    auto found = std::find_if(commands_.begin(), commands_.end(),
                              [&](const auto& own) { return own.get() == &command; });
    if (found == commands_.end())
        return false;
    bars_->RemoveButtonsOf(command.FullName());
    command.owner_.reset();
    commands_.erase(found);
    return true;
}

std::shared_ptr<BarRecord> CommandModel::OwnBar(ide::CommandBar& bar) const {
    auto* view = dynamic_cast<BarView*>(&bar);
    std::shared_ptr<BarRecord> record = view != nullptr ? view->Record() : nullptr;
    if (!record || bars_->Find(record->Name()) != record)
        return nullptr;
    return record;
}

}  // namespace workbench
