// The Clean dialog over resource 211: the model holds the inputs, the view copies them in
// and out of the controls.
#include "win32/win_api.h"

#include "commands/files/clean_dialog.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"

namespace win32 {

namespace {

using commands::files::CleanDlg;
constexpr int kLargeIcon = 219;

std::string ItemText(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    const int length = item ? GetWindowTextLengthA(item) : 0;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    if (item)
        GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void ReadControls(HWND window, CleanDlg& dialog) {
    dialog.SetDirectory(ItemText(window, CleanDlg::kIdDirectory));
    dialog.SetRecursive(IsDlgButtonChecked(window, CleanDlg::kIdRecursive) == BST_CHECKED);
    dialog.SetFileTypes(ItemText(window, CleanDlg::kIdFileTypes));
}

INT_PTR CALLBACK CleanProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<CleanDlg*>(GetWindowLongPtrA(window, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrA(window, DWLP_USER, lParam);
            dialog = reinterpret_cast<CleanDlg*>(lParam);
            SendMessageA(
                window, WM_SETICON, ICON_BIG,
                reinterpret_cast<LPARAM>(LoadIconA(ModuleHandle(), MAKEINTRESOURCEA(kLargeIcon))));
            dialog->Open();
            SetDlgItemTextA(window, CleanDlg::kIdDirectory, dialog->Inputs().directory.c_str());
            CheckDlgButton(window, CleanDlg::kIdRecursive,
                           dialog->Inputs().recursive ? BST_CHECKED : BST_UNCHECKED);
            SetDlgItemTextA(window, CleanDlg::kIdFileTypes, dialog->Inputs().fileTypes.c_str());
            EnableWindow(GetDlgItem(window, CleanDlg::kIdClean), dialog->CleanEnabled());
            return TRUE;
        }
        case WM_COMMAND: {
            if (dialog == nullptr)
                return FALSE;
            const int id = LOWORD(wParam);
            if (id == CleanDlg::kIdDirectory && HIWORD(wParam) == EN_CHANGE) {
                dialog->SetDirectory(ItemText(window, CleanDlg::kIdDirectory));
                EnableWindow(GetDlgItem(window, CleanDlg::kIdClean), dialog->CleanEnabled());
            } else if (id == CleanDlg::kIdBrowse) {
                if (dialog->Browse())
                    SetDlgItemTextA(window, CleanDlg::kIdDirectory,
                                    dialog->Inputs().directory.c_str());
            } else if (id == CleanDlg::kIdStore) {
                ReadControls(window, *dialog);
                dialog->Store();
                EndDialog(window, CleanDlg::kIdStore);
            } else if (id == CleanDlg::kIdClean) {
                ReadControls(window, *dialog);
                if (dialog->CleanEnabled() && dialog->Clean())
                    EndDialog(window, CleanDlg::kIdClean);
            } else if (id == IDCANCEL) {
                EndDialog(window, IDCANCEL);
            }
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

void Win32Platform::ShowCleanDialog(CleanDlg& dialog) {
    HWND owner = GetActiveWindow();
    if (owner)
        owner = GetAncestor(owner, GA_ROOT);
    DialogBoxParamA(ModuleHandle(), MAKEINTRESOURCEA(CleanDlg::kResource), owner, CleanProc,
                    reinterpret_cast<LPARAM>(&dialog));
    if (owner)
        SetActiveWindow(owner);
}

}  // namespace win32
