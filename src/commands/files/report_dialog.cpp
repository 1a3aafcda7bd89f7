#include "commands/files/report_dialog.h"

namespace commands::files {

namespace {

constexpr DialogControl kControls[] = {
    {ControlKind::kEdit, ReportDlg::kIdText, "", 2, 2, 292, 193},
    {ControlKind::kDefaultButton, kIdCancel, "Cancel", 2, 198, 50, 14},
    {ControlKind::kButton, kIdOk, "OK", 244, 198, 50, 14},
};

}  // namespace

std::span<const DialogControl> ReportDlg::Controls() {
    return kControls;
}

ReportDlg::Layout ReportDlg::Resize(int clientWidth, int clientHeight, const Layout& current) {
    const int margin = current.text.left;
    Layout next;
    next.ok.right = clientWidth - margin;
    next.ok.bottom = clientHeight - margin;
    next.ok.left = next.ok.right - current.ok.Width();
    next.ok.top = next.ok.bottom - current.ok.Height();
    next.text = {current.text.left, current.text.top, clientWidth - margin, next.ok.top - margin};
    next.cancel = {margin, next.ok.top, margin + current.ok.Width(), next.ok.bottom};
    return next;
}

}  // namespace commands::files
