// Where the Browse dialog's controls stand for a client area, in pixels.
#pragma once

#include "settings/window_rect.h"

namespace commands::navigate {

// The dialog is never made smaller than this (outer size, pixels).
inline constexpr int kBrowseMinWidth = 200;
inline constexpr int kBrowseMinHeight = 150;

struct BrowseLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int buttonWidth = 0;  // of "Close"; the other two buttons take its size
    int buttonHeight = 0;
    int filterHeight = 0;
    int listTop = 0;  // the list keeps where it begins
    int staticHeight = 0;
};

struct BrowseLayout {
    settings::Rect filter, list, ok, up, close, status;
};

BrowseLayout LayOutBrowse(const BrowseLayoutInput& input);

}  // namespace commands::navigate
