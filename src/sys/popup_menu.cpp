#include "sys/popup_menu.h"

namespace ui {

namespace {

// Menus nest only as deep as the core builds them; an explicit stack keeps it that way.
MenuItem* Find(std::vector<MenuItem>& items, int number) {
    std::vector<std::vector<MenuItem>*> pending{&items};
    while (!pending.empty()) {
        std::vector<MenuItem>* level = pending.back();
        pending.pop_back();
        for (MenuItem& item : *level) {
            if (item.separator)
                continue;
            if (item.IsPopup()) {
                pending.push_back(&item.submenu);
            } else if (item.number == number) {
                return &item;
            }
        }
    }
    return nullptr;
}

}  // namespace

bool PopupMenu::EnableItem(int number, bool enabled) {
    MenuItem* item = Find(items_, number);
    if (item == nullptr)
        return false;
    item->enabled = enabled;
    return true;
}

bool PopupMenu::SetDefaultItem(std::size_t position) {
    if (position >= items_.size())
        return false;
    for (MenuItem& item : items_)
        item.isDefault = false;
    items_[position].isDefault = true;
    return true;
}

const MenuItem* PopupMenu::FindItem(int number) const {
    return Find(const_cast<std::vector<MenuItem>&>(items_), number);
}

}  // namespace ui
