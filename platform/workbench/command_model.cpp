#include "workbench/command_model.h"

#include <algorithm>

#include "workbench/command_bars.h"

namespace workbench {
namespace {

std::uint64_t NameHash(std::string_view fullName) {
    return FoldedHash{}(fullName);
}

// The same for all the spellings KeyBinding's == takes as equal.
std::uint64_t BindingHash(const KeyBinding& binding) {
    const std::uint64_t scope = FoldedHash{}(binding.scope);
    return scope ^
           (FoldedHash{}(binding.chord) + 0x9e3779b97f4a7c15ull + (scope << 6) + (scope >> 2));
}

bool IsSpellingOf(const std::string& text, const KeyBinding& binding) {
    std::optional<KeyBinding> parsed = ParseBinding(text);
    return parsed && *parsed == binding;
}

}  // namespace

NamedCommand::NamedCommand(std::weak_ptr<CommandModel> owner, std::string_view name,
                           std::string_view buttonText, std::string_view tooltip)
    : owner_(std::move(owner)), nameSize_(name.size()), buttonTextSize_(buttonText.size()) {
    texts_.reserve(name.size() + buttonText.size() + tooltip.size());
    texts_.append(name).append(buttonText).append(tooltip);
}

std::string NamedCommand::Name() {
    return owner_.expired() ? std::string() : std::string(FullName());
}

std::vector<std::string> NamedCommand::Bindings() {
    return owner_.expired() ? std::vector<std::string>() : BindingTexts();
}

std::vector<std::string> NamedCommand::BindingTexts() const {
    std::vector<std::string> texts;
    texts.reserve(bindings_.size());
    for (const Binding& binding : bindings_)
        texts.push_back(binding.text);
    return texts;
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
        owner->Bars().Insert(*record, position, {.command = std::string(FullName())}));
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

std::shared_ptr<NamedCommand> CommandModel::Add(std::string_view fullName,
                                                std::string_view buttonText,
                                                std::string_view tooltip,
                                                std::vector<std::string> bindings) {
    if (fullName.empty() || Find(fullName) != nullptr)
        return nullptr;
    auto command = std::make_shared<NamedCommand>(weak_from_this(), fullName, buttonText, tooltip);
    command->sequence_ = nextSequence_++;
    command->nameHash_ = NameHash(fullName);
    SetHashedBindings(*command, std::move(bindings));
    byName_.Insert(command->nameHash_, command.get());
    Index(*command);
    commands_.PushBack(command);
    return command;
}

void CommandModel::Clear() {
    byName_.Clear();
    byBinding_.Clear();
    commands_.ForEach([](const auto& command) { command->owner_.reset(); });
    commands_.Clear();
}

void CommandModel::Assign(const std::vector<CommandState>& commands) {
    Clear();
    std::vector<std::pair<std::uint64_t, NamedCommand*>> names;
    std::vector<std::pair<std::uint64_t, NamedCommand*>> bindings;
    names.reserve(commands.size());
    bindings.reserve(commands.size());
    for (const CommandState& state : commands) {
        auto command = std::make_shared<NamedCommand>(weak_from_this(), state.name,
                                                      state.buttonText, state.tooltip);
        command->sequence_ = nextSequence_++;
        command->nameHash_ = NameHash(state.name);
        SetHashedBindings(*command, state.bindings);
        names.emplace_back(command->nameHash_, command.get());
        for (const NamedCommand::Binding& binding : command->bindings_) {
            if (binding.hash)
                bindings.emplace_back(*binding.hash, command.get());
        }
        commands_.PushBack(std::move(command));
    }
    // Filed once all are made, so that the filing can ask for slots ahead.
    byName_.InsertAll(names);
    byBinding_.InsertAll(bindings);
}

std::vector<std::shared_ptr<NamedCommand>> CommandModel::All() const {
    std::vector<std::shared_ptr<NamedCommand>> all;
    all.reserve(commands_.Size());
    commands_.ForEach([&](const auto& command) { all.push_back(command); });
    return all;
}

const NamedCommand* CommandModel::Find(std::string_view fullName) const {
    return byName_.FindIf(NameHash(fullName), [&](const NamedCommand& command) {
        return EqualsIgnoringCase(command.FullName(), fullName);
    });
}

const NamedCommand* CommandModel::BoundTo(const KeyBinding& binding) const {
    const NamedCommand* first = nullptr;
    const std::uint64_t hash = BindingHash(binding);
    byBinding_.FindIf(hash, [&](const NamedCommand& holder) {
        if ((first == nullptr || holder.sequence_ < first->sequence_) &&
            Holds(holder, binding, hash))
            first = &holder;
        return false;
    });
    return first;
}

bool CommandModel::WriteBindings(NamedCommand& command, const std::vector<std::string>& bindings) {
    if (!scheme_->Writable())
        return false;
    std::vector<KeyBinding> parsed;
    std::vector<NamedCommand::Binding> hashed;
    parsed.reserve(bindings.size());
    hashed.reserve(bindings.size());
    for (const std::string& text : bindings) {
        std::optional<KeyBinding> binding = ParseBinding(text);
        if (!binding)
            return false;
        hashed.push_back({text, BindingHash(*binding)});
        parsed.push_back(std::move(*binding));
    }
    Unindex(command);
    for (std::size_t i = 0; i < parsed.size(); ++i) {
        const KeyBinding& binding = parsed[i];
        const std::uint64_t hash = *hashed[i].hash;
        std::vector<NamedCommand*> holders;
        byBinding_.FindIf(hash, [&](NamedCommand& other) {
            if (Holds(other, binding, hash))
                holders.push_back(&other);
            return false;
        });
        for (NamedCommand* other : holders) {
            Unindex(*other);
            std::erase_if(other->bindings_, [&](const NamedCommand::Binding& held) {
                return held.hash == hash && IsSpellingOf(held.text, binding);
            });
            Index(*other);
        }
    }
    command.bindings_ = std::move(hashed);
    Index(command);
    return true;
}

bool CommandModel::Remove(NamedCommand& command) {
    std::optional<std::size_t> position = PositionOf(command);
    if (!position)
        return false;
    const std::shared_ptr<NamedCommand> kept = commands_[*position];
    // A walk that deletes as it goes comes to the later ones next: their slots are asked for
    // ahead. (Here and not in a function of its own, which GCC would drop as doing nothing.)
    if (const std::size_t later = *position + 8; later < commands_.Size()) {
        const NamedCommand& ahead = *commands_[later];
        byName_.Prefetch(ahead.nameHash_);
        for (const NamedCommand::Binding& binding : ahead.bindings_) {
            if (binding.hash)
                byBinding_.Prefetch(*binding.hash);
        }
    }
    bars_->RemoveButtonsOf(command.FullName());
    Unindex(command);
    byName_.Erase(command.nameHash_, &command);
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

bool CommandModel::Holds(const NamedCommand& command, const KeyBinding& binding,
                         std::uint64_t hash) {
    return std::any_of(command.bindings_.begin(), command.bindings_.end(),
                       [&](const NamedCommand::Binding& held) {
                           return held.hash == hash && IsSpellingOf(held.text, binding);
                       });
}

void CommandModel::SetHashedBindings(NamedCommand& command, std::vector<std::string> texts) {
    command.bindings_.clear();
    command.bindings_.reserve(texts.size());
    for (std::string& text : texts) {
        std::optional<KeyBinding> binding = ParseBinding(text);
        command.bindings_.push_back(
            {std::move(text), binding ? std::optional(BindingHash(*binding)) : std::nullopt});
    }
}

// A command is filed once under each hash its bindings have: two spellings of one binding share
// a hash.
void CommandModel::Index(NamedCommand& command) {
    for (const NamedCommand::Binding& binding : command.bindings_) {
        if (binding.hash)
            byBinding_.Insert(*binding.hash, &command);
    }
}

void CommandModel::Unindex(NamedCommand& command) {
    for (const NamedCommand::Binding& binding : command.bindings_) {
        if (binding.hash)
            byBinding_.Erase(*binding.hash, &command);
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
