// A platform with no services: every question goes unanswered. Tests override what they watch.
#pragma once

#include "sys/platform.h"

namespace testing_support {

class NullPlatform : public sys::Platform {
  public:
    int MessageBox(const std::string&, const std::string&, unsigned) override { return 0; }
    void Beep() override {}
    int TrackPopupMenu(const ui::PopupMenu&) override { return 0; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
    std::optional<std::string> GetEnvironmentVariable(const std::string&) override { return {}; }
    std::optional<std::string> ReadFile(const std::string&) override { return {}; }
    std::optional<sys::FileInfo> FindFirstFile(const std::string&) override { return {}; }
    std::optional<std::string> ModuleFileName() override { return {}; }
};

}  // namespace testing_support
