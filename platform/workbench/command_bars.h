// The command bars as the add-in reaches them: the collection answers each interface
// generation it is allowed to, and every bar, control and button reached through it keeps
// that generation. Each object only points at the IDE's record, so it fails once the bar or
// button is gone.
#pragma once

#include <memory>
#include <string>

#include "editor/ide.h"
#include "workbench/command_bar_store.h"

namespace workbench {

class BarButtonView : public ide::CommandBarButton, public ide::CommandBarControl {
  public:
    explicit BarButtonView(std::weak_ptr<BarButtonRecord> button) : button_(std::move(button)) {}

    ide::Ref<ide::CommandBarButton> Button() override;
    bool SetStyle(long style) override;
    bool SetPicture(long bitmapId) override;
    bool SetMask(long bitmapId) override;

  private:
    bool Set(long BarButtonRecord::*field, long value);

    std::weak_ptr<BarButtonRecord> button_;
};

class BarView : public ide::CommandBar {
  public:
    BarView(std::weak_ptr<BarRecord> bar, ide::BarGeneration generation)
        : bar_(std::move(bar)), generation_(generation) {}

    ide::BarGeneration Generation() override { return generation_; }
    std::string Name() override;
    bool SetVisible(bool visible) override;

    // Empty once the bar is removed.
    std::shared_ptr<BarRecord> Record() const { return bar_.lock(); }

  private:
    std::weak_ptr<BarRecord> bar_;
    ide::BarGeneration generation_;
};

class BarSetView : public ide::CommandBarSet {
  public:
    BarSetView(std::shared_ptr<const CommandBarStore> store, ide::BarGeneration generation)
        : store_(std::move(store)), generation_(generation) {}
    ide::Ref<ide::CommandBar> Item(const std::string& name) override;

  private:
    std::shared_ptr<const CommandBarStore> store_;
    ide::BarGeneration generation_;
};

class BarCollection : public ide::CommandBars {
  public:
    explicit BarCollection(std::shared_ptr<const CommandBarStore> store)
        : store_(std::move(store)) {}
    ide::Ref<ide::CommandBarSet> Generation(ide::BarGeneration generation) override;

  private:
    std::shared_ptr<const CommandBarStore> store_;
};

}  // namespace workbench
