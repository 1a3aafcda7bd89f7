#include "commands/navigate/browse_layout.h"

#include <initializer_list>

namespace commands::navigate {

namespace {

constexpr int kInsetLeft = 4;
constexpr int kInsetTop = 4;
constexpr int kInsetRight = 2;
constexpr int kInsetBottom = 2;
constexpr int kButtonGap = 4;
constexpr int kListGap = 4;
constexpr int kStaticGap = 10;

// A client smaller than the buttons squeezes controls to nothing rather than inside out.
settings::Rect Proper(settings::Rect rect) {
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    return rect;
}

}  // namespace

BrowseLayout LayOutBrowse(const BrowseLayoutInput& in) {
    const int right = in.clientWidth - kInsetRight;
    const int bottom = in.clientHeight - kInsetBottom;
    BrowseLayout out;
    out.close = {right - in.buttonWidth, bottom - in.buttonHeight, right, bottom};
    out.ok = {out.close.left - kButtonGap - in.buttonWidth, out.close.top,
              out.close.left - kButtonGap, bottom};
    out.up = {out.ok.left - kButtonGap - in.buttonWidth, out.close.top, out.ok.left - kButtonGap,
              bottom};
    out.filter = {kInsetLeft, kInsetTop, right, kInsetTop + in.filterHeight};
    out.list = {kInsetLeft, in.listTop, right, out.close.top - kListGap};
    out.status = {kInsetLeft, out.close.top, out.up.left - kStaticGap,
                  out.close.top + in.staticHeight};
    for (settings::Rect* rect : {&out.filter, &out.list, &out.ok, &out.up, &out.close, &out.status})
        *rect = Proper(*rect);
    return out;
}

}  // namespace commands::navigate
