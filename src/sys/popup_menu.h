// A popup menu as the core builds it; each host shows it its own way and answers with the
// number of the chosen item (0 when dismissed).
#pragma once

#include <string>
#include <vector>

namespace ui {

struct MenuItem {
    int number = 0;
    std::string text;
    bool enabled = true;
    bool isDefault = false;
    bool separator = false;
    std::vector<MenuItem> submenu;

    static MenuItem Separator() {
        MenuItem item;
        item.separator = true;
        return item;
    }
    static MenuItem Command(int number, std::string text) {
        MenuItem item;
        item.number = number;
        item.text = std::move(text);
        return item;
    }
    static MenuItem Popup(std::string text, std::vector<MenuItem> items) {
        MenuItem item;
        item.text = std::move(text);
        item.submenu = std::move(items);
        return item;
    }
    bool IsPopup() const { return !separator && !submenu.empty(); }
};

class PopupMenu {
  public:
    PopupMenu() = default;
    explicit PopupMenu(std::vector<MenuItem> items) : items_(std::move(items)) {}

    std::vector<MenuItem>& Items() { return items_; }
    const std::vector<MenuItem>& Items() const { return items_; }

    // Enables or greys the first item (at any depth) carrying the number.
    bool EnableItem(int number, bool enabled);
    // Makes the item at the top-level position the default one; the others lose it.
    bool SetDefaultItem(std::size_t position);
    const MenuItem* FindItem(int number) const;

  private:
    std::vector<MenuItem> items_;
};

}  // namespace ui
