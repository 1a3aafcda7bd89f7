#include "commands/files/progress_dialog.h"

namespace commands::files {

namespace {

constexpr DialogControl kControls[] = {
    {ControlKind::kDefaultButton, kIdCancel, "Cancel", 128, 29, 50, 14},
    {ControlKind::kStatic, ProgressDlg::kIdTitle, "Please Wait...", 2, 2, 176, 14},
    {ControlKind::kProgress, ProgressDlg::kIdBar, "", 2, 18, 176, 8},
    {ControlKind::kStatic, ProgressDlg::kIdItem, "Please Wait...", 2, 29, 122, 14},
};

}  // namespace

std::span<const DialogControl> ProgressDlg::Controls() {
    return kControls;
}

ProgressDlg::ProgressDlg(sys::Platform& platform) : platform_(platform) {
    shown_ = true;
    platform_.ShowProgressDialog(*this);
}

ProgressDlg::~ProgressDlg() {
    End();
}

void ProgressDlg::End() {
    if (!shown_)
        return;
    shown_ = false;
    platform_.HideProgressDialog(*this);
}

void ProgressDlg::SetTitle(const std::string& title) {
    title_ = title;
    Changed();
}

void ProgressDlg::SetText(const std::string& text) {
    item_ = " " + text;
    Changed();
}

void ProgressDlg::SetRange(std::uint64_t maximum, bool cancelEnabled) {
    maximum_ = maximum;
    cancelEnabled_ = cancelEnabled;
    if (position_ > maximum_)
        position_ = maximum_;
    Changed();
}

void ProgressDlg::SetPos(std::uint64_t position) {
    position_ = position > maximum_ ? maximum_ : position;
    Changed();
}

void ProgressDlg::StepIt() {
    position_ = position_ >= maximum_ ? 0 : position_ + 1;
    Changed();
}

void ProgressDlg::Cancel() {
    cancelled_ = true;
    cancelEnabled_ = false;
    Changed();
}

}  // namespace commands::files
