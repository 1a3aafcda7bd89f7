// The debugger's breakpoint collection: file-and-line breakpoints, recorded as requested.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/ide.h"

namespace workbench {

class BreakpointRecord : public ide::Breakpoint {
  public:
    BreakpointRecord(std::string file, long line) : file_(std::move(file)), line_(line) {}
    bool SetEnabled(bool enabled) override;

    const std::string& File() const { return file_; }
    long Line() const { return line_; }
    bool Enabled() const { return enabled_; }

  private:
    std::string file_;
    long line_;
    bool enabled_ = false;
};

class BreakpointGroup : public ide::BreakpointList {
  public:
    long Count() override { return static_cast<long>(items_.size()); }
    ide::Ref<ide::Breakpoint> Item(long index) override;

    void Add(std::shared_ptr<BreakpointRecord> item) { items_.push_back(std::move(item)); }
    const std::vector<std::shared_ptr<BreakpointRecord>>& All() const { return items_; }

  private:
    std::vector<std::shared_ptr<BreakpointRecord>> items_;
};

class BreakpointStore : public ide::Breakpoints {
  public:
    long Count() override { return all_.Count(); }
    ide::Ref<ide::Breakpoint> Item(long index) override { return all_.Item(index); }
    // Only a file and a line of at least 1 make a breakpoint (the file's path normalized);
    // anything else, a function name alone included, gives none. Each request adds one, even
    // on a line that already has one.
    ide::Ref<ide::BreakpointList> Add(const ide::BreakpointRequest& request) override;

    const std::vector<std::shared_ptr<BreakpointRecord>>& All() const { return all_.All(); }

  private:
    BreakpointGroup all_;
};

class DebuggerModel : public ide::Debugger {
  public:
    ide::Ref<ide::Breakpoints> GetBreakpoints() override { return breakpoints_; }
    const BreakpointStore& Store() const { return *breakpoints_; }

  private:
    std::shared_ptr<BreakpointStore> breakpoints_ = std::make_shared<BreakpointStore>();
};

}  // namespace workbench
