#include "win32/window_placement.h"

namespace win32 {

settings::Rect WindowPlacement::ScreenRect() const {
    RECT r{};
    GetWindowRect(window_, &r);
    return {r.left, r.top, r.right, r.bottom};
}

bool WindowPlacement::IsChild() const {
    return (GetWindowLongW(window_, GWL_STYLE) & WS_CHILD) != 0;
}

bool WindowPlacement::HasParent() const {
    return GetParent(window_) != nullptr;
}

settings::Rect WindowPlacement::ScreenToParentClient(const settings::Rect& rect) const {
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    MapWindowPoints(nullptr, GetParent(window_), corners, 2);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void WindowPlacement::CenterOnOwner() {
    HWND owner = GetWindow(window_, GW_OWNER);
    RECT area{};
    if (owner == nullptr || !GetWindowRect(owner, &area))
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const settings::Rect own = ScreenRect();
    const int left = area.left + (area.right - area.left - own.Width()) / 2;
    const int top = area.top + (area.bottom - area.top - own.Height()) / 2;
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void WindowPlacement::MoveTo(const settings::Rect& rect) {
    MoveWindow(window_, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

}  // namespace win32
