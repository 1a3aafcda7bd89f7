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

void BarRecord::RemoveButtonsOf(std::string_view command) {
    std::erase_if(buttons_, [&](const auto& button) { return button->command == command; });
}

std::shared_ptr<BarRecord> CommandBarStore::Find(const std::string& name) const {
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

std::shared_ptr<BarRecord> CommandBarStore::Add(const std::string& name) {
    if (name.empty())
        return nullptr;
    auto [slot, added] = byName_.try_emplace(name);
    if (!added)
        return nullptr;
    slot->second = std::make_shared<BarRecord>(name);
    return bars_.emplace_back(slot->second);
}

bool CommandBarStore::Remove(const BarRecord& bar) {
    auto found = byName_.find(bar.Name());
    if (found == byName_.end() || found->second.get() != &bar)
        return false;
    for (const auto& button : bar.Buttons()) {
        auto showing = barsShowing_.find(button->command);
        if (showing != barsShowing_.end() && showing->second.erase(&bar) > 0 &&
            showing->second.empty())
            barsShowing_.erase(showing);
    }
    byName_.erase(found);
    std::erase_if(bars_, [&](const auto& own) { return own.get() == &bar; });
    return true;
}

std::shared_ptr<BarButtonRecord> CommandBarStore::Insert(BarRecord& bar, long position,
                                                         BarButtonRecord button) {
    if (Find(bar.Name()).get() == &bar)
        barsShowing_[button.command].insert(&bar);
    return bar.Insert(position, std::move(button));
}

void CommandBarStore::RemoveButtonsOf(std::string_view command) {
    auto showing = barsShowing_.find(command);
    if (showing == barsShowing_.end())
        return;
    for (const BarRecord* bar : showing->second)
        Find(bar->Name())->RemoveButtonsOf(command);
    barsShowing_.erase(showing);
}

void CommandBarStore::Clear() {
    bars_.clear();
    byName_.clear();
    barsShowing_.clear();
}

bool CommandBarStore::Answers(ide::BarGeneration generation) const {
    return generation == ide::BarGeneration::Older ? answersOlder_ : answersNewer_;
}

void CommandBarStore::SetAnswers(ide::BarGeneration generation, bool answers) {
    (generation == ide::BarGeneration::Older ? answersOlder_ : answersNewer_) = answers;
}

}  // namespace workbench
