// The IDE's command bars and the buttons on them, whichever interface generation shows them.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "editor/ide.h"

namespace workbench {

// A button that runs a command.
struct BarButtonRecord {
    std::string command;  // the command's full name
    long style = 0;
    long picture = 0;  // bitmap resource numbers; 0 for none
    long mask = 0;
};

class CommandBarStore;

class BarRecord {
  public:
    explicit BarRecord(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    // Left to right; a button's position is its index plus 1.
    const std::vector<std::shared_ptr<BarButtonRecord>>& Buttons() const { return buttons_; }

  private:
    friend class CommandBarStore;

    std::shared_ptr<BarButtonRecord> Insert(long position, BarButtonRecord button);
    void RemoveButtonsOf(std::string_view command);

    std::string name_;
    // New bars show, so that a toolbar an add-in creates is seen without further calls.
    bool visible_ = true;
    std::vector<std::shared_ptr<BarButtonRecord>> buttons_;
};

class CommandBarStore {
  public:
    // In the order created.
    const std::vector<std::shared_ptr<BarRecord>>& Bars() const { return bars_; }
    std::shared_ptr<BarRecord> Find(const std::string& name) const;
    // Empty when the name is empty or taken.
    std::shared_ptr<BarRecord> Add(const std::string& name);
    bool Remove(const BarRecord& bar);
    // Puts the button on the bar at the position, moving the ones from there right; a position
    // outside 1 .. count + 1 appends it.
    std::shared_ptr<BarButtonRecord> Insert(BarRecord& bar, long position, BarButtonRecord button);
    // Costs the buttons of the bars that show the command, not all bars' buttons.
    void RemoveButtonsOf(std::string_view command);
    void Clear();

    // Whether the collection answers that generation's interface.
    bool Answers(ide::BarGeneration generation) const;
    void SetAnswers(ide::BarGeneration generation, bool answers);

  private:
    std::vector<std::shared_ptr<BarRecord>> bars_;
    std::unordered_map<std::string, std::shared_ptr<BarRecord>> byName_;
    // Looked up by views, so that finding a command's name copies nothing.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, std::unordered_set<const BarRecord*>, TextHash,
                       std::equal_to<>>
        barsShowing_;  // by command
    bool answersOlder_ = true;
    bool answersNewer_ = true;
};

}  // namespace workbench
