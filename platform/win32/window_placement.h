// A dialog's window as the profile's window-position records read and move it.
#pragma once

#include "settings/window_rect.h"
#include "win32/win_api.h"

namespace win32 {

class WindowPlacement : public settings::RectWindow {
  public:
    explicit WindowPlacement(HWND window) : window_(window) {}
    settings::Rect ScreenRect() const override;
    bool IsChild() const override;
    bool HasParent() const override;
    settings::Rect ScreenToParentClient(const settings::Rect& rect) const override;
    void CenterOnOwner() override;
    void MoveTo(const settings::Rect& rect) override;

  private:
    HWND window_;
};

}  // namespace win32
