#include "win32/browse_dialog_view.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands/navigate/browse_layout.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"
#include "win32/window_placement.h"

namespace win32 {

namespace nav = commands::navigate;

namespace {

constexpr int kIconId = 219;

struct View {
    explicit View(nav::BrowseDialog& dialog) : model(dialog) {}
    nav::BrowseDialog& model;
    HWND window = nullptr;
    HFONT font = nullptr;
    std::vector<std::string> rows;  // what the list box holds
    bool syncing = false;
};

HWND Item(const View& view, int id) {
    return GetDlgItem(view.window, id);
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

nav::BrowseFocus FocusOf(const View& view) {
    return GetFocus() == Item(view, nav::kBrowseFilterId) ? nav::BrowseFocus::Filter
                                                          : nav::BrowseFocus::List;
}

// Shows the model's state; only what differs is touched, so nothing flickers.
void Sync(View& view) {
    view.syncing = true;
    nav::BrowseDialog& model = view.model;
    if (WindowText(view.window) != model.Title())
        SetWindowTextA(view.window, model.Title().c_str());
    SetDlgItemTextA(view.window, nav::kBrowseStaticId, model.StaticText().c_str());
    HWND filter = Item(view, nav::kBrowseFilterId);
    if (WindowText(filter) != model.Filter()) {
        SetWindowTextA(filter, model.Filter().c_str());
        const auto end = static_cast<WPARAM>(model.Filter().size());
        SendMessageW(filter, EM_SETSEL, end, static_cast<LPARAM>(end));
        SendMessageW(filter, EM_SCROLLCARET, 0, 0);
    }
    HWND list = Item(view, nav::kBrowseListId);
    std::vector<std::string> rows;
    rows.reserve(model.RowCount());
    for (std::size_t row = 0; row < model.RowCount(); ++row)
        rows.push_back(model.RowText(row));
    if (rows != view.rows) {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        int widest = 0;
        HDC dc = GetDC(list);
        HGDIOBJ oldFont = SelectObject(dc, view.font);
        for (const std::string& text : rows) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
            SIZE size{};
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
            widest = std::max(widest, static_cast<int>(size.cx));
        }
        SelectObject(dc, oldFont);
        ReleaseDC(list, dc);
        SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(list, nullptr, nullptr,
                     RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        view.rows = std::move(rows);
    }
    const nav::BrowseRow selected = model.Selected();
    SendMessageW(list, LB_SETCURSEL,
                 selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
    EnableWindow(Item(view, nav::kBrowseOkId), model.OkEnabled());
    if (model.End() == nav::BrowseEnd::Running && FocusOf(view) != model.Focus())
        SetFocus(model.Focus() == nav::BrowseFocus::Filter ? filter : list);
    view.syncing = false;
}

void LayOut(View& view) {
    RECT client{};
    GetClientRect(view.window, &client);
    const auto childRect = [&](int id) {
        RECT r{};
        GetWindowRect(Item(view, id), &r);
        MapWindowPoints(nullptr, view.window, reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const RECT close = childRect(nav::kBrowseCloseId);
    const RECT filter = childRect(nav::kBrowseFilterId);
    const RECT list = childRect(nav::kBrowseListId);
    const RECT status = childRect(nav::kBrowseStaticId);
    const nav::BrowseLayout layout = nav::LayOutBrowse({
        .clientWidth = client.right,
        .clientHeight = client.bottom,
        .buttonWidth = close.right - close.left,
        .buttonHeight = close.bottom - close.top,
        .filterHeight = filter.bottom - filter.top,
        .listTop = list.top,
        .staticHeight = status.bottom - status.top,
    });
    const std::pair<int, settings::Rect> places[] = {
        {nav::kBrowseFilterId, layout.filter}, {nav::kBrowseListId, layout.list},
        {nav::kBrowseOkId, layout.ok},         {nav::kBrowseUpId, layout.up},
        {nav::kBrowseCloseId, layout.close},   {nav::kBrowseStaticId, layout.status},
    };
    HDWP moves = BeginDeferWindowPos(6);
    for (const auto& [id, r] : places) {
        if (moves)
            moves = DeferWindowPos(moves, Item(view, id), nullptr, r.left, r.top, r.Width(),
                                   r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves)
        EndDeferWindowPos(moves);
    InvalidateRect(view.window, nullptr, TRUE);
}

void Initialise(View& view) {
    WindowPlacement placement(view.window);
    view.model.RestorePlacement(placement);
    if (HICON icon = LoadIconW(ModuleHandle(), MAKEINTRESOURCEW(kIconId)))
        SendMessageW(view.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    view.font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            FIXED_PITCH | FF_MODERN, L"Courier New");
    for (int id : {nav::kBrowseFilterId, nav::kBrowseListId})
        SendMessageW(Item(view, id), WM_SETFONT, reinterpret_cast<WPARAM>(view.font), TRUE);
    LayOut(view);
    Sync(view);
}

void Command(View& view, int id, int code) {
    nav::BrowseDialog& model = view.model;
    switch (id) {
        case nav::kBrowseOkId:
            model.FocusMoved(FocusOf(view));
            model.GoDown();
            break;
        case nav::kBrowseCloseId:
            model.Close();
            return;
        case nav::kBrowseUpId:
            if (code == BN_CLICKED)
                model.GoUp();
            break;
        case nav::kBrowseFilterId:
            if (code == EN_SETFOCUS)
                model.FocusMoved(nav::BrowseFocus::Filter);
            if (code != EN_CHANGE || view.syncing)
                return;
            model.FilterEdited(WindowText(Item(view, id)));
            break;
        case nav::kBrowseListId:
            if (code == LBN_SETFOCUS)
                model.FocusMoved(nav::BrowseFocus::List);
            if (code == LBN_SELCHANGE && !view.syncing) {
                const LRESULT row = SendMessageW(Item(view, id), LB_GETCURSEL, 0, 0);
                model.Select(row == LB_ERR ? nav::BrowseRow() : nav::BrowseRow(row));
            } else if (code == LBN_DBLCLK) {
                model.GoDown();
            } else {
                return;
            }
            break;
        default:
            return;
    }
    Sync(view);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = reinterpret_cast<View*>(GetWindowLongPtrW(window, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            view = reinterpret_cast<View*>(lParam);
            SetWindowLongPtrW(window, DWLP_USER, lParam);
            view->window = window;
            Initialise(*view);
            return FALSE;  // the focus is the model's
        case WM_COMMAND:
            if (view)
                Command(*view, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_SIZE:
            if (view)
                LayOut(*view);
            return TRUE;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {nav::kBrowseMinWidth, nav::kBrowseMinHeight};
            return TRUE;
        }
        case WM_CLOSE:
            if (view)
                view->model.Close();
            return TRUE;
        case WM_DESTROY:
            if (view) {
                view->model.SavePlacement(WindowPlacement(window));
                if (view->font)
                    DeleteObject(view->font);
                view->font = nullptr;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

std::optional<nav::BrowseKey> KeyOf(WPARAM key) {
    switch (key) {
        case VK_BACK:
            return nav::BrowseKey::Backspace;
        case VK_LEFT:
            return nav::BrowseKey::Left;
        case VK_RIGHT:
            return nav::BrowseKey::Right;
        case VK_UP:
            return nav::BrowseKey::Up;
        case VK_DOWN:
            return nav::BrowseKey::Down;
        case VK_PRIOR:
            return nav::BrowseKey::PageUp;
        case VK_NEXT:
            return nav::BrowseKey::PageDown;
        case VK_HOME:
            return nav::BrowseKey::Home;
        case VK_END:
            return nav::BrowseKey::End;
        default:
            return std::nullopt;
    }
}

// The dialog's look at a message before its controls: true when it was handled here.
bool PreTranslate(View& view, MSG& message) {
    if (message.hwnd != view.window && !IsChild(view.window, message.hwnd))
        return false;
    nav::BrowseDialog& model = view.model;
    if (message.message == WM_KEYDOWN) {
        const std::optional<nav::BrowseKey> key = KeyOf(message.wParam);
        if (!key)
            return false;
        model.FocusMoved(FocusOf(view));
        const nav::KeyOutcome outcome = model.KeyDown(*key);
        Sync(view);
        if (outcome == nav::KeyOutcome::Normal)
            return false;
        if (outcome == nav::KeyOutcome::ToList)
            SendMessageW(Item(view, nav::kBrowseListId), WM_KEYDOWN, message.wParam,
                         message.lParam);
        return true;
    }
    if (message.message == WM_CHAR && message.wParam < 256) {
        model.FocusMoved(FocusOf(view));
        if (!model.CharTyped(static_cast<char>(message.wParam)))
            return false;
        Sync(view);
        return true;
    }
    return false;
}

}  // namespace

bool RunBrowseDialog(nav::BrowseDialog& dialog, HWND owner) {
    View view(dialog);
    HWND window = CreateDialogParamW(ModuleHandle(), MAKEINTRESOURCEW(nav::kBrowseDialogId), owner,
                                     DialogProc, reinterpret_cast<LPARAM>(&view));
    if (!window)
        return false;
    const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (dialog.End() == nav::BrowseEnd::Running) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // Someone asked the application to quit: the dialog gives way and passes it on.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            dialog.Close();
            break;
        }
        if (PreTranslate(view, message) || IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    DestroyWindow(window);
    if (owner)
        SetActiveWindow(owner);
    return true;
}

// The IDE's window that owns its dialogs is the active one when a command runs.
bool Win32Platform::ShowBrowseDialog(nav::BrowseDialog& dialog) {
    return RunBrowseDialog(dialog, GetActiveWindow());
}

}  // namespace win32
