#include "win32/ask_dialog_view.h"

#include <string>

#include "win32/module_handle.h"
#include "win32/scripted_answers.h"
#include "win32/win32_platform.h"
#include "win32/window_placement.h"

namespace win32 {

namespace {

using templates::AskDialog;

constexpr int kIconId = 219;

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

AskDialog::Box BoxOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

HWND MakeControl(HWND dialog, HWND after, DWORD exStyle, const wchar_t* kind, DWORD style,
                 const AskDialog::Box& box, int id, const std::string& text, HFONT font) {
    HWND control =
        CreateWindowExW(exStyle, kind, L"", WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                        box.right - box.left, box.Height(), dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ModuleHandle(), nullptr);
    if (control == nullptr)
        return nullptr;
    SetWindowTextA(control, text.c_str());
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The rows come before the buttons in the tab order.
    SetWindowPos(control, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return control;
}

void MoveDown(HWND dialog, int id, int by) {
    HWND control = GetDlgItem(dialog, id);
    const RECT r = ClientRectOf(dialog, control);
    SetWindowPos(control, nullptr, r.left, r.top + by, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Builds the rows; false when a control could not be made.
bool Initialise(HWND window, AskDialog& dialog) {
    WindowPlacement placement(window);
    dialog.RestorePlacement(placement);
    if (HICON icon = LoadIconW(ModuleHandle(), MAKEINTRESOURCEW(kIconId)))
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SetWindowTextA(window, dialog.Caption().c_str());

    HWND patternLabel = GetDlgItem(window, AskDialog::kPatternLabelId);
    HWND patternField = GetDlgItem(window, AskDialog::kPatternFieldId);
    const AskDialog::Box label = BoxOf(ClientRectOf(window, patternLabel));
    const AskDialog::Box field = BoxOf(ClientRectOf(window, patternField));
    DestroyWindow(patternLabel);
    DestroyWindow(patternField);

    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    const int step = AskDialog::RowStep(field);
    HWND after = HWND_TOP;
    for (std::size_t row = 0; row < dialog.Rows(); ++row) {
        after = MakeControl(window, after, 0, L"STATIC", SS_CENTERIMAGE,
                            AskDialog::RowBox(label, row, step), AskDialog::LabelId(row),
                            dialog.LabelText(row), font);
        if (after != nullptr) {
            after = MakeControl(window, after, WS_EX_CLIENTEDGE, L"EDIT",
                                WS_TABSTOP | ES_AUTOHSCROLL, AskDialog::RowBox(field, row, step),
                                AskDialog::FieldId(row), dialog.FieldText(row), font);
        }
        if (after == nullptr)
            return false;
    }

    const int growth = dialog.Growth(step);
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + growth,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    MoveDown(window, AskDialog::kOkId, growth);
    MoveDown(window, AskDialog::kCancelId, growth);

    if (HWND first = GetDlgItem(window, AskDialog::FocusId())) {
        SetFocus(first);
        SendMessageW(first, EM_SETSEL, 0, -1);
        SendMessageW(first, EM_SCROLLCARET, 0, 0);
    }
    return true;
}

std::string FieldText(HWND field) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(field)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<AskDialog*>(GetWindowLongPtrW(window, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            dialog = reinterpret_cast<AskDialog*>(lParam);
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            if (!Initialise(window, *dialog))
                EndDialog(window, IDCANCEL);
            return FALSE;  // the focus is set above
        case WM_COMMAND:
            if (dialog == nullptr || HIWORD(wParam) != BN_CLICKED)
                return FALSE;
            if (LOWORD(wParam) == AskDialog::kOkId) {
                for (std::size_t row = 0; row < dialog->Rows(); ++row)
                    dialog->SetFieldText(row,
                                         FieldText(GetDlgItem(window, AskDialog::FieldId(row))));
                dialog->Ok();
                EndDialog(window, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == AskDialog::kCancelId) {
                dialog->Cancel();
                EndDialog(window, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        case WM_DESTROY:
            if (dialog != nullptr)
                dialog->SavePlacement(WindowPlacement(window));
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

bool RunAskDialog(AskDialog& dialog, HWND owner) {
    const INT_PTR result = DialogBoxParamW(ModuleHandle(), MAKEINTRESOURCEW(AskDialog::kResourceId),
                                           owner, DialogProc, reinterpret_cast<LPARAM>(&dialog));
    return result == IDOK;
}

// The IDE's window that owns its dialogs is the active one when a command runs.
bool Win32Platform::ShowAskDialog(AskDialog& dialog) {
    if (const std::optional<bool> scripted = ScriptedAskDialog(dialog))
        return *scripted;
    return RunAskDialog(dialog, GetActiveWindow());
}

}  // namespace win32
