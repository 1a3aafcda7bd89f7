#include "win32/about_box_view.h"

#include <windowsx.h>

#include "settings/about_box.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"

namespace win32 {

namespace {

struct AboutRun {
    std::string text;
    sys::Platform* platform = nullptr;
    settings::AboutLinkText links;
    HCURSOR arrow = nullptr;
    HCURSOR hand = nullptr;
    WNDPROC editProc = nullptr;
};

AboutRun* RunOf(HWND edit) {
    return reinterpret_cast<AboutRun*>(GetWindowLongPtrA(edit, GWLP_USERDATA));
}

bool Inside(HWND edit, POINT point) {
    RECT client{};
    GetClientRect(edit, &client);
    return PtInRect(&client, point) != FALSE;
}

std::ptrdiff_t CharAt(HWND edit, POINT point) {
    const LRESULT found = SendMessageA(edit, EM_CHARFROMPOS, 0, MAKELPARAM(point.x, point.y));
    return LOWORD(found);
}

// The text control: the pointer and the left button follow the links, nothing selects text.
LRESULT CALLBACK LinkProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    AboutRun* run = RunOf(edit);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_MOUSEMOVE: {
            // Holding the capture is how the control learns that the pointer has left it.
            const bool inside = Inside(edit, point);
            if (inside && GetCapture() != edit)
                SetCapture(edit);
            else if (!inside && GetCapture() == edit)
                ReleaseCapture();
            if (inside && GetCapture() == edit)
                SetCursor(run->links.OverLink(CharAt(edit, point)) ? run->hand : run->arrow);
            return 0;
        }
        case WM_SETCURSOR:
            return TRUE;
        case WM_LBUTTONUP:
            if (Inside(edit, point)) {
                if (const auto target = run->links.TargetAt(CharAt(edit, point)))
                    run->platform->ShellOpen(*target);
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return 0;
        default:
            return CallWindowProcA(run->editProc, edit, message, wParam, lParam);
    }
}

INT_PTR CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* run = reinterpret_cast<AboutRun*>(lParam);
            HWND edit = GetDlgItem(window, settings::kAboutTextId);
            if (!edit)
                return TRUE;
            run->arrow = LoadCursor(nullptr, IDC_ARROW);
            run->hand = LoadCursorA(ModuleHandle(), MAKEINTRESOURCEA(settings::kHandCursor));
            if (!run->hand)
                run->hand = run->arrow;
            SetWindowTextA(edit, run->text.c_str());
            // The ranges come from the text as the control holds it.
            const int length = GetWindowTextLengthA(edit);
            std::string text(static_cast<std::size_t>(length) + 1, '\0');
            GetWindowTextA(edit, text.data(), length + 1);
            text.resize(static_cast<std::size_t>(length));
            run->links.SetText(text);
            SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(run));
            run->editProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkProc)));
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(window, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void RunAboutBox(const std::string& text, sys::Platform& platform, HWND owner) {
    AboutRun run;
    run.text = text;
    run.platform = &platform;
    DialogBoxParamA(ModuleHandle(), MAKEINTRESOURCEA(settings::kAboutDialog), owner, AboutProc,
                    reinterpret_cast<LPARAM>(&run));
}

void Win32Platform::ShowAboutBox(const std::string& text) {
    HWND owner = GetActiveWindow();
    if (owner)
        owner = GetAncestor(owner, GA_ROOT);
    RunAboutBox(text, *this, owner);
    if (owner)
        SetActiveWindow(owner);
}

}  // namespace win32
