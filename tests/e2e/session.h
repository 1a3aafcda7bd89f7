// One IDE session over the workbench with the add-in's application object, for what the golden
// cases cannot reach.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/add_in_app.h"
#include "settings/memory_profile_store.h"
#include "support/quiet_terminal.h"
#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace e2e {

class Session {
  public:
    Session()
        : bench_(std::make_shared<workbench::Workbench>()),
          app_(platform_, profile_, std::string(ZENTREL_SOURCE_DIR "/resources/Zentrel.txt")) {
        app_.SetEnvironment(bench_);
    }

    // Writes the file below the session's directory and makes it the active document.
    ide::Ref<ide::Document> Open(const std::string& relative, const std::string& bytes) {
        std::string error;
        ide::Ref<ide::Document> document =
            bench_->OpenFile(dir_.Write(relative, bytes).string(), error);
        if (!document)
            throw std::runtime_error(error);
        return document;
    }

    workbench::Workbench& Bench() { return *bench_; }
    const std::shared_ptr<workbench::Workbench>& BenchRef() const { return bench_; }
    host::AddInApp& App() { return app_; }
    const posix::Recording& Recorded() const { return platform_.Recorded(); }
    posix::TerminalPlatform& Platform() { return platform_; }
    const testing_support::TempDir& Dir() const { return dir_; }

  private:
    testing_support::TempDir dir_;
    settings::MemoryProfileStore profile_;
    testing_support::QuietTerminal platform_;
    std::shared_ptr<workbench::Workbench> bench_;
    host::AddInApp app_;
};

}  // namespace e2e
