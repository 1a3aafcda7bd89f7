// One IDE session with the add-in connected, over the workbench, as the end-to-end tests
// drive it: commands reach the core only through Exec, Dispatch and the menu.
#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/add_in_app.h"
#include "host/command_set.h"
#include "host/command_target.h"
#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "settings/memory_profile_store.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace e2e {

class Session {
  public:
    explicit Session(std::vector<std::string> answers = {})
        : answers_(std::move(answers)),
          platform_(answers_, errors_, input_, false),
          bench_(std::make_shared<workbench::Workbench>()),
          app_(platform_, profile_, std::string(ZENTREL_SOURCE_DIR "/resources/Zentrel.txt")),
          commands_(app_) {
        app_.SetEnvironment(bench_);
        commands_.SetEnvironment(bench_);
    }

    // Writes the file below the session's directory and makes it the active document.
    ide::Ref<ide::Document> Open(const std::string& relative, const std::string& bytes) {
        const std::string path = dir_.Write(relative, bytes).string();
        std::string error;
        ide::Ref<ide::Document> document = bench_->OpenFile(path, error);
        if (!document)
            throw std::runtime_error(error);
        return document;
    }

    bool Exec(const std::string& name, long option = host::kExecOptionDoDefault) {
        return host::Exec(commands_, name, option);
    }

    workbench::Workbench& Bench() { return *bench_; }
    const std::shared_ptr<workbench::Workbench>& BenchRef() const { return bench_; }
    host::CommandSet& Commands() { return commands_; }
    host::AddInApp& App() { return app_; }
    settings::MemoryProfileStore& Profile() { return profile_; }
    const posix::Recording& Recorded() const { return platform_.Recorded(); }
    posix::TerminalPlatform& Platform() { return platform_; }
    const testing_support::TempDir& Dir() const { return dir_; }

  private:
    testing_support::TempDir dir_;
    posix::AnswerQueue answers_;
    std::ostringstream errors_;
    std::istringstream input_;
    settings::MemoryProfileStore profile_;
    posix::TerminalPlatform platform_;
    std::shared_ptr<workbench::Workbench> bench_;
    host::AddInApp app_;
    host::CommandSet commands_;
};

}  // namespace e2e
