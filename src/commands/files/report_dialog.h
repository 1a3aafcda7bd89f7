// The modal, resizable dialog that shows a long text for confirmation.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "commands/files/dialog_control.h"
#include "settings/registry.h"
#include "settings/window_rect.h"

namespace commands::files {

class ReportDlg {
  public:
    static constexpr int kResource = 217;
    static constexpr const char* kCaption = "Report";
    static constexpr int kWidth = 296;
    static constexpr int kHeight = 214;
    static constexpr int kIdText = 1048;
    static constexpr int kTabStop = 100;  // dialog-template units
    static constexpr const char* kFontName = "Courier New";
    static constexpr int kFontPoints = 10;
    // Where the dialog remembers its place.
    static constexpr const char* kRectSection = settings::kSectionWindows;
    static constexpr const char* kRectName = "Report";
    static std::span<const DialogControl> Controls();

    // okLabel replaces "OK"; without showCancel the Cancel button is removed. registry: where
    // the view restores and stores its place (none: it stays where the template puts it).
    ReportDlg(std::string text, std::optional<std::string> okLabel, bool showCancel,
              settings::CRegistry* registry = nullptr)
        : text_(std::move(text)),
          okLabel_(std::move(okLabel)),
          showCancel_(showCancel),
          registry_(registry) {}

    const std::string& Text() const { return text_; }
    std::string OkText() const { return okLabel_.value_or("OK"); }
    bool ShowsCancel() const { return showCancel_; }
    settings::CRegistry* Registry() const { return registry_; }

    struct Layout {
        settings::Rect text;
        settings::Rect ok;
        settings::Rect cancel;
    };
    // The controls after a resize to the client size, from the current places: the margin is
    // the text's left offset; OK keeps its size in the bottom right corner, the text fills the
    // rest above it, Cancel takes OK's size and top at the left margin.
    static Layout Resize(int clientWidth, int clientHeight, const Layout& current);

  private:
    std::string text_;
    std::optional<std::string> okLabel_;
    bool showCancel_;
    settings::CRegistry* registry_;
};

}  // namespace commands::files
