#include "workbench/command_model.h"

#include <algorithm>

#include "workbench/command_bars.h"

namespace workbench {
namespace {

// One text for all the spellings KeyBinding's == takes as equal; the scope's length keeps a
// scope ending in ':' apart from a chord starting with one.
std::string BindingKey(const KeyBinding& binding) {
    std::string key = std::to_string(binding.scope.size());
    key.reserve(key.size() + 1 + binding.scope.size() + binding.chord.size());
    key += ':';
    key += FoldCase(binding.scope);
    key += binding.chord;
    return key;
}

std::optional<std::string> BindingKeyOf(const std::string& text) {
    std::optional<KeyBinding> binding = ParseBinding(text);
    if (!binding)
        return std::nullopt;
    return BindingKey(*binding);
}

}  // namespace

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
    return std::make_shared<BarButtonView>(
        owner->Bars().Insert(*record, position, {.command = name_}));
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

std::shared_ptr<NamedCommand> CommandModel::Add(std::string fullName, std::string buttonText,
                                                std::string tooltip,
                                                std::vector<std::string> bindings) {
    if (fullName.empty() || byName_.contains(fullName))
        return nullptr;
    auto command = std::make_shared<NamedCommand>(weak_from_this(), std::move(fullName),
                                                  std::move(buttonText), std::move(tooltip));
    command->sequence_ = nextSequence_++;
    command->bindings_ = std::move(bindings);
    byName_.emplace(command->name_, command);
    Index(*command);
    commands_.PushBack(command);
    return command;
}

void CommandModel::Clear() {
    byName_.clear();
    byBinding_.clear();
    commands_.ForEach([](const auto& command) { command->owner_.reset(); });
    commands_.Clear();
}

void CommandModel::Reserve(std::size_t commands) {
    byName_.reserve(commands);
    byBinding_.reserve(commands);
}

std::vector<std::shared_ptr<NamedCommand>> CommandModel::All() const {
    std::vector<std::shared_ptr<NamedCommand>> all;
    all.reserve(commands_.Size());
    commands_.ForEach([&](const auto& command) { all.push_back(command); });
    return all;
}

std::shared_ptr<NamedCommand> CommandModel::Find(const std::string& fullName) const {
    auto found = byName_.find(fullName);
    return found == byName_.end() ? nullptr : found->second;
}

std::shared_ptr<NamedCommand> CommandModel::BoundTo(const KeyBinding& binding) const {
    auto holders = byBinding_.find(BindingKey(binding));
    if (holders == byBinding_.end())
        return nullptr;
    const NamedCommand* first = nullptr;
    holders->second.ForEach([&](const NamedCommand* holder) {
        if (first == nullptr || holder->sequence_ < first->sequence_)
            first = holder;
    });
    return Find(first->FullName());
}

bool CommandModel::WriteBindings(NamedCommand& command, const std::vector<std::string>& bindings) {
    if (!scheme_->Writable())
        return false;
    std::vector<std::string> keys;
    for (const std::string& text : bindings) {
        std::optional<std::string> key = BindingKeyOf(text);
        if (!key)
            return false;
        keys.push_back(std::move(*key));
    }
    Unindex(command);
    for (const std::string& key : keys) {
        auto holders = byBinding_.find(key);
        if (holders == byBinding_.end())
            continue;
        holders->second.ForEach([&](NamedCommand* other) {
            std::erase_if(other->bindings_,
                          [&](const std::string& text) { return BindingKeyOf(text) == key; });
        });
        byBinding_.erase(holders);
    }
    command.bindings_ = bindings;
    Index(command);
    return true;
}

bool CommandModel::Remove(NamedCommand& command) {
    std::optional<std::size_t> position = PositionOf(command);
    if (!position)
        return false;
    const std::shared_ptr<NamedCommand> kept = commands_[*position];
    bars_->RemoveButtonsOf(command.FullName());
    Unindex(command);
    byName_.erase(command.FullName());
    command.owner_.reset();
    commands_.Erase(*position);
    return true;
}

std::optional<std::size_t> CommandModel::PositionOf(const NamedCommand& command) const {
    // A walk that deletes as it goes finds the next command where it deleted the last one.
    std::size_t low = commands_.Gap();
    if (low < commands_.Size() && commands_[low].get() == &command)
        return low;
    low = 0;
    std::size_t high = commands_.Size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (commands_[middle]->sequence_ < command.sequence_)
            low = middle + 1;
        else
            high = middle;
    }
    if (low < commands_.Size() && commands_[low].get() == &command)
        return low;
    return std::nullopt;
}

void CommandModel::Index(NamedCommand& command) {
    for (const std::string& text : command.bindings_) {
        if (std::optional<std::string> key = BindingKeyOf(text))
            byBinding_[*key].Insert(&command);
    }
}

void CommandModel::Unindex(NamedCommand& command) {
    for (const std::string& text : command.bindings_) {
        std::optional<std::string> key = BindingKeyOf(text);
        auto holders = key ? byBinding_.find(*key) : byBinding_.end();
        if (holders == byBinding_.end())
            continue;
        holders->second.Erase(&command);
        if (holders->second.Empty())
            byBinding_.erase(holders);
    }
}

void CommandModel::Holders::Insert(NamedCommand* command) {
    if (first_ == nullptr)
        first_ = command;
    else if (first_ != command)
        more_.insert(command);
}

void CommandModel::Holders::Erase(NamedCommand* command) {
    if (first_ != command) {
        more_.erase(command);
    } else if (more_.empty()) {
        first_ = nullptr;
    } else {
        first_ = *more_.begin();
        more_.erase(more_.begin());
    }
}

std::shared_ptr<BarRecord> CommandModel::OwnBar(ide::CommandBar& bar) const {
    auto* view = dynamic_cast<BarView*>(&bar);
    std::shared_ptr<BarRecord> record = view != nullptr ? view->Record() : nullptr;
    if (!record || bars_->Find(record->Name()) != record)
        return nullptr;
    return record;
}

}  // namespace workbench
