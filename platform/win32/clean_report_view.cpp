// The report dialog over resource 217: a read-only text in a fixed-pitch font, scrolled to
// its end, resizable, remembering its place.
#include "win32/win_api.h"

#include "commands/files/report_dialog.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"

namespace win32 {

namespace {

using commands::files::ReportDlg;
constexpr int kLargeIcon = 219;

struct ReportView {
    ReportDlg& model;
    HFONT font = nullptr;
    HBRUSH background = nullptr;
};

settings::Rect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The dialog as the profile sees it when storing and restoring its place.
class DialogPlace : public settings::RectWindow {
  public:
    explicit DialogPlace(HWND window) : window_(window) {}
    settings::Rect ScreenRect() const override {
        RECT rect{};
        GetWindowRect(window_, &rect);
        return FromRect(rect);
    }
    bool IsChild() const override { return (GetWindowLongA(window_, GWL_STYLE) & WS_CHILD) != 0; }
    bool HasParent() const override { return GetParent(window_) != nullptr; }
    settings::Rect ScreenToParentClient(const settings::Rect& rect) const override {
        POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
        MapWindowPoints(nullptr, GetParent(window_), corners, 2);
        return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    void CenterOnOwner() override {
        HWND owner = GetWindow(window_, GW_OWNER);
        RECT area{}, own{};
        if (owner)
            GetWindowRect(owner, &area);
        else
            SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        GetWindowRect(window_, &own);
        const int width = own.right - own.left, height = own.bottom - own.top;
        SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
                     area.top + (area.bottom - area.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void MoveTo(const settings::Rect& rect) override {
        MoveWindow(window_, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    }

  private:
    HWND window_;
};

settings::Rect ChildRect(HWND dialog, int id) {
    RECT rect{};
    HWND item = GetDlgItem(dialog, id);
    if (!item)
        return {};
    GetWindowRect(item, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return FromRect(rect);
}

void Place(HWND dialog, int id, const settings::Rect& rect) {
    if (HWND item = GetDlgItem(dialog, id))
        MoveWindow(item, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void Layout(HWND dialog, int width, int height) {
    const ReportDlg::Layout current{ChildRect(dialog, ReportDlg::kIdText),
                                    ChildRect(dialog, commands::files::kIdOk),
                                    ChildRect(dialog, commands::files::kIdCancel)};
    const ReportDlg::Layout next = ReportDlg::Resize(width, height, current);
    Place(dialog, ReportDlg::kIdText, next.text);
    Place(dialog, commands::files::kIdOk, next.ok);
    Place(dialog, commands::files::kIdCancel, next.cancel);
}

void Open(HWND window, ReportView& view) {
    ReportDlg& model = view.model;
    SetDlgItemTextA(window, commands::files::kIdOk, model.OkText().c_str());
    if (!model.ShowsCancel())
        DestroyWindow(GetDlgItem(window, commands::files::kIdCancel));
    SendMessageA(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(ModuleHandle(), MAKEINTRESOURCEA(kLargeIcon))));
    HWND text = GetDlgItem(window, ReportDlg::kIdText);
    int tabStop = ReportDlg::kTabStop;
    SendMessageA(text, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(ReportDlg::kFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    view.font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            FIXED_PITCH | FF_MODERN, ReportDlg::kFontName);
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(view.font), FALSE);
    view.background = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
    SetWindowTextA(text, model.Text().c_str());
    SetFocus(text);
    const int end = GetWindowTextLengthA(text);
    SendMessageA(text, EM_SETSEL, end, end);
    SendMessageA(text, EM_SCROLLCARET, 0, 0);
    // Further by the first visible line again: the control stops at its last line.
    SendMessageA(text, EM_LINESCROLL, 0, SendMessageA(text, EM_GETFIRSTVISIBLELINE, 0, 0));
    if (settings::CRegistry* registry = model.Registry()) {
        DialogPlace place(window);
        registry->RestoreWindowRect(ReportDlg::kRectSection, ReportDlg::kRectName, place, true);
    }
}

INT_PTR CALLBACK ReportProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = reinterpret_cast<ReportView*>(GetWindowLongPtrA(window, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(window, DWLP_USER, lParam);
            Open(window, *reinterpret_cast<ReportView*>(lParam));
            return FALSE;  // the focus is set
        case WM_SIZE:
            if (view != nullptr && wParam != SIZE_MINIMIZED)
                Layout(window, LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
            // A read-only edit is painted as a writable one, not greyed.
            if (view != nullptr &&
                reinterpret_cast<HWND>(lParam) == GetDlgItem(window, ReportDlg::kIdText)) {
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<INT_PTR>(view->background);
            }
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                if (view != nullptr && view->model.Registry() != nullptr) {
                    DialogPlace place(window);
                    view->model.Registry()->SaveWindowRect(ReportDlg::kRectSection,
                                                           ReportDlg::kRectName, place);
                }
                EndDialog(window, LOWORD(wParam));
            }
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool Win32Platform::ShowReportDialog(ReportDlg& dialog) {
    HWND owner = GetActiveWindow();
    ReportView view{dialog};
    const INT_PTR result = DialogBoxParamA(ModuleHandle(), MAKEINTRESOURCEA(ReportDlg::kResource),
                                           owner, ReportProc, reinterpret_cast<LPARAM>(&view));
    if (view.font)
        DeleteObject(view.font);
    if (view.background)
        DeleteObject(view.background);
    return result == IDOK;
}

}  // namespace win32
