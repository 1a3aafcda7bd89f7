// The modeless dialog that shows how far a long operation is: a title line, an item line and
// a bar. The model keeps the state; the platform's view shows it and is told of each change.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "commands/files/dialog_control.h"
#include "sys/platform.h"

namespace commands::files {

class ProgressDlg {
  public:
    static constexpr int kResource = 216;
    static constexpr const char* kCaption = "Zentrel";
    static constexpr int kWidth = 180;
    static constexpr int kHeight = 46;
    static constexpr int kIdTitle = 1001;
    static constexpr int kIdBar = 1049;
    static constexpr int kIdItem = 1051;
    static std::span<const DialogControl> Controls();

    // Shown at once, the item line a single blank.
    explicit ProgressDlg(sys::Platform& platform);
    ~ProgressDlg();
    ProgressDlg(const ProgressDlg&) = delete;
    ProgressDlg& operator=(const ProgressDlg&) = delete;

    void SetTitle(const std::string& title);
    // The item line: a blank, then the text.
    void SetText(const std::string& text);
    // The bar runs from 0 to `maximum` in steps of one, over the full count.
    void SetRange(std::uint64_t maximum, bool cancelEnabled);
    void SetPos(std::uint64_t position);
    // One step on; past the maximum the bar starts again from 0.
    void StepIt();
    // Hides the dialog; the destructor does it too.
    void End();
    // The Cancel button: marks the operation cancelled and disables itself.
    void Cancel();

    const std::string& Title() const { return title_; }
    const std::string& Item() const { return item_; }
    std::uint64_t Maximum() const { return maximum_; }
    std::uint64_t Position() const { return position_; }
    bool CancelEnabled() const { return cancelEnabled_; }
    bool Cancelled() const { return cancelled_; }
    bool Shown() const { return shown_; }

  private:
    void Changed() { platform_.ProgressChanged(*this); }

    sys::Platform& platform_;
    std::string title_ = "Please Wait...";
    std::string item_ = " ";
    std::uint64_t maximum_ = 100;
    std::uint64_t position_ = 0;
    bool cancelEnabled_ = true;
    bool cancelled_ = false;
    bool shown_ = false;
};

}  // namespace commands::files
