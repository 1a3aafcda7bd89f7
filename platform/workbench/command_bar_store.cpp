#include "workbench/command_bar_store.h"

#include <algorithm>

namespace workbench {

std::shared_ptr<BarButtonRecord> BarRecord::Insert(long position, BarButtonRecord button) {
    auto created = std::make_shared<BarButtonRecord>(std::move(button));
    auto count = static_cast<long>(buttons_.size());
    if (position < 1 || position > count + 1)
        position = count + 1;
    buttons_.insert(buttons_.begin() + (position - 1), created);
    return created;
}

void BarRecord::RemoveButtonsOf(const std::string& command) {
    std::erase_if(buttons_, [&](const auto& button) { return button->command == command; });
}

std::shared_ptr<BarRecord> CommandBarStore::Find(const std::string& name) const {
    auto found = std::find_if(bars_.begin(), bars_.end(),
                              [&](const auto& bar) { return bar->Name() == name; });
    return found == bars_.end() ? nullptr : *found;
}

std::shared_ptr<BarRecord> CommandBarStore::Add(const std::string& name) {
    if (name.empty() || Find(name))
        return nullptr;
    return bars_.emplace_back(std::make_shared<BarRecord>(name));
}

bool CommandBarStore::Remove(const BarRecord& bar) {
    return std::erase_if(bars_, [&](const auto& own) { return own.get() == &bar; }) > 0;
}

void CommandBarStore::RemoveButtonsOf(const std::string& command) {
    for (const auto& bar : bars_)
        bar->RemoveButtonsOf(command);
}

bool CommandBarStore::Answers(ide::BarGeneration generation) const {
    return generation == ide::BarGeneration::Older ? answersOlder_ : answersNewer_;
}

void CommandBarStore::SetAnswers(ide::BarGeneration generation, bool answers) {
    (generation == ide::BarGeneration::Older ? answersOlder_ : answersNewer_) = answers;
}

}  // namespace workbench
