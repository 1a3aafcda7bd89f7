// How the Browse dialog takes keys before its controls do: typing always goes to the filter,
// the cursor keys always move in the list.
#include <algorithm>

#include "commands/navigate/browse_dialog.h"

namespace commands::navigate {

namespace {

bool GoesToFilter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
}

}  // namespace

KeyOutcome BrowseDialog::KeyDown(BrowseKey key) {
    switch (key) {
        case BrowseKey::Backspace:
        case BrowseKey::Left:
            if (!filter_.empty())
                return KeyOutcome::Normal;
            GoUp();
            return KeyOutcome::Swallowed;
        case BrowseKey::Right:
            GoDown();
            return KeyOutcome::Normal;
        default:
            if (focus_ != BrowseFocus::Filter)
                return KeyOutcome::Normal;
            focus_ = BrowseFocus::List;
            return KeyOutcome::ToList;
    }
}

bool BrowseDialog::CharTyped(char c) {
    if (focus_ != BrowseFocus::List)
        return false;
    if (c == '\b') {
        // Backspace on the list edits the filter as it would in the filter edit, rather than
        // putting a control character into it.
        if (filter_.empty())
            return false;
        focus_ = BrowseFocus::Filter;
        FilterEdited(filter_.substr(0, filter_.size() - 1));
        return true;
    }
    if (!GoesToFilter(c))
        return false;
    focus_ = BrowseFocus::Filter;
    FilterEdited(filter_ + c);
    return true;
}

void BrowseDialog::MoveInList(BrowseKey key, std::size_t page) {
    if (listed_.empty())
        return;
    const std::size_t last = listed_.size() - 1;
    const std::size_t row = selected_.value_or(0);
    const std::size_t step = std::max<std::size_t>(page, 1);
    switch (key) {
        case BrowseKey::Up:
            selected_ = selected_ && row > 0 ? row - 1 : 0;
            break;
        case BrowseKey::Down:
            selected_ = selected_ ? std::min(row + 1, last) : 0;
            break;
        case BrowseKey::PageUp:
            selected_ = row > step ? row - step : 0;
            break;
        case BrowseKey::PageDown:
            selected_ = std::min(row + step, last);
            break;
        case BrowseKey::Home:
            selected_ = 0;
            break;
        case BrowseKey::End:
            selected_ = last;
            break;
        default:
            break;
    }
}

}  // namespace commands::navigate
