#include "win32/popup_menu_win32.h"

namespace win32 {

namespace {

bool AppendItems(HMENU menu, const std::vector<ui::MenuItem>& items) {
    UINT position = 0;
    for (const ui::MenuItem& item : items) {
        // Number 0 is no command: disabled, it is a heading, drawn in normal text.
        const UINT state = item.enabled ? MF_ENABLED : item.number == 0 ? MF_DISABLED : MF_GRAYED;
        bool added = false;
        if (item.separator) {
            added = AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (item.IsPopup()) {
            HMENU submenu = CreatePopupMenu();
            if (!submenu)
                return false;
            if (!AppendItems(submenu, item.submenu) ||
                !AppendMenuA(menu, MF_POPUP | MF_STRING | state,
                             reinterpret_cast<UINT_PTR>(submenu), item.text.c_str())) {
                DestroyMenu(submenu);
                return false;
            }
            added = true;
        } else {
            added = AppendMenuA(menu, MF_STRING | state, static_cast<UINT_PTR>(item.number),
                                item.text.c_str());
        }
        if (!added)
            return false;
        if (item.isDefault)
            SetMenuDefaultItem(menu, position, TRUE);
        ++position;
    }
    return true;
}

}  // namespace

HMENU BuildPopupMenu(const ui::PopupMenu& menu) {
    HMENU popup = CreatePopupMenu();
    if (popup && !AppendItems(popup, menu.Items())) {
        DestroyMenu(popup);
        return nullptr;
    }
    return popup;
}

}  // namespace win32
