// The modeless progress dialog over resource 216, repainted at once after every change since
// the work runs on the window's own thread without yielding.
#include "win32/win_api.h"

#include <commctrl.h>

#include <map>

#include "commands/files/progress_dialog.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"

namespace win32 {

namespace {

using commands::files::ProgressDlg;

// The windows of the progress dialogs shown, by model.
std::map<const ProgressDlg*, HWND>& Shown() {
    static std::map<const ProgressDlg*, HWND> shown;
    return shown;
}

INT_PTR CALLBACK ProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        if (auto* dialog = reinterpret_cast<ProgressDlg*>(GetWindowLongPtrA(window, DWLP_USER)))
            dialog->Cancel();
        return TRUE;
    }
    return FALSE;
}

void Centre(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    RECT area{}, own{};
    if (owner)
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(window, &own);
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - (own.right - own.left)) / 2,
                 area.top + (area.bottom - area.top - (own.bottom - own.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void Win32Platform::ShowProgressDialog(ProgressDlg& dialog) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    HWND window =
        CreateDialogParamA(ModuleHandle(), MAKEINTRESOURCEA(ProgressDlg::kResource),
                           GetActiveWindow(), ProgressProc, reinterpret_cast<LPARAM>(&dialog));
    if (!window)
        return;
    Shown()[&dialog] = window;
    Centre(window);
    ShowWindow(window, SW_SHOW);
    ProgressChanged(dialog);
}

void Win32Platform::HideProgressDialog(ProgressDlg& dialog) {
    const auto found = Shown().find(&dialog);
    if (found == Shown().end())
        return;
    DestroyWindow(found->second);
    Shown().erase(found);
}

void Win32Platform::ProgressChanged(ProgressDlg& dialog) {
    const auto found = Shown().find(&dialog);
    if (found == Shown().end())
        return;
    HWND window = found->second;
    SetDlgItemTextA(window, ProgressDlg::kIdTitle, dialog.Title().c_str());
    SetDlgItemTextA(window, ProgressDlg::kIdItem, dialog.Item().c_str());
    // The bar takes 32-bit positions: a larger count is scaled down to them.
    std::uint64_t maximum = dialog.Maximum(), position = dialog.Position();
    while (maximum > 0x7FFFFFFF) {
        maximum >>= 1;
        position >>= 1;
    }
    HWND bar = GetDlgItem(window, ProgressDlg::kIdBar);
    SendMessageA(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(maximum));
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    EnableWindow(GetDlgItem(window, IDCANCEL), dialog.CancelEnabled());
    UpdateWindow(window);
}

}  // namespace win32
