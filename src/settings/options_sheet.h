// The options sheet: four pages over the settings record. A page shows the record's values when
// it is first opened; OK applies only the pages that were opened, Cancel applies nothing.
#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "settings/options_pages.h"

namespace settings {

class COptionsSheet {
  public:
    static constexpr const char* kCaption = "Zentrel Options";
    static constexpr std::size_t kPageCount = 4;

    // reset recreates the add-in's commands, bindings and toolbar (the Setup page's button).
    COptionsSheet(Settings& settings, std::function<void()> reset,
                  editor::PathStyle style = editor::NativePathStyle());

    COptionsPage& Page(std::size_t index) { return *pages_[index]; }
    const COptionsPage& Page(std::size_t index) const { return *pages_[index]; }
    // Shows the page: the first time, it takes the record's values.
    COptionsPage& Open(std::size_t index);
    bool Opened(std::size_t index) const { return opened_[index]; }
    // The page whose tab caption this is (ASCII case ignored), or kPageCount.
    std::size_t FindPage(std::string_view caption) const;

    // Takes effect at once; Cancel does not undo it.
    void Reset();
    // Applies every opened page to the record, in page order; the caller saves the record.
    void Ok();

  private:
    Settings& settings_;
    std::function<void()> reset_;
    COptionsPageSetup setup_;
    COptionsPageFileSwitch fileSwitch_;
    COptionsPageCodeTemplates codeTemplates_;
    COptionsPageOther other_;
    std::array<COptionsPage*, kPageCount> pages_;
    std::array<bool, kPageCount> opened_{};
};

}  // namespace settings
