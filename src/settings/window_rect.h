// What the profile needs of a dialog window to remember and restore where it stood.
#pragma once

namespace settings {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

class RectWindow {
  public:
    virtual ~RectWindow() = default;

    virtual Rect ScreenRect() const = 0;
    // Child style set; such a window is placed in its parent's client coordinates.
    virtual bool IsChild() const = 0;
    virtual bool HasParent() const = 0;
    virtual Rect ScreenToParentClient(const Rect& rect) const = 0;
    virtual void CenterOnOwner() = 0;
    // Moves and resizes (in the coordinates a move takes: parent client for a child window,
    // screen otherwise) and repaints.
    virtual void MoveTo(const Rect& rect) = 0;
};

}  // namespace settings
