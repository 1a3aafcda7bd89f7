#include "settings/options_sheet.h"

#include "editor/extension_list.h"

namespace settings {

COptionsSheet::COptionsSheet(Settings& settings, std::function<void()> reset,
                             editor::PathStyle style)
    : settings_(settings),
      reset_(std::move(reset)),
      fileSwitch_(style),
      pages_{&setup_, &fileSwitch_, &codeTemplates_, &other_} {}

COptionsPage& COptionsSheet::Open(std::size_t index) {
    if (!opened_[index]) {
        pages_[index]->OnInitDialog(settings_);
        opened_[index] = true;
    }
    return *pages_[index];
}

std::size_t COptionsSheet::FindPage(std::string_view caption) const {
    for (std::size_t i = 0; i < kPageCount; ++i) {
        if (editor::EqualsIgnoreCase(pages_[i]->Def().caption, caption))
            return i;
    }
    return kPageCount;
}

void COptionsSheet::Reset() {
    if (reset_)
        reset_();
}

void COptionsSheet::Ok() {
    for (std::size_t i = 0; i < kPageCount; ++i) {
        if (opened_[i])
            pages_[i]->OnApply(settings_);
    }
}

}  // namespace settings
