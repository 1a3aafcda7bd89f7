#include "workbench/command_bars.h"

namespace workbench {

ide::Ref<ide::CommandBarButton> BarButtonView::Button() {
    if (button_.expired())
        return nullptr;
    return std::static_pointer_cast<ide::CommandBarButton>(
        std::make_shared<BarButtonView>(button_));
}

bool BarButtonView::Set(long BarButtonRecord::*field, long value) {
    std::shared_ptr<BarButtonRecord> button = button_.lock();
    if (!button)
        return false;
    (*button).*field = value;
    return true;
}

bool BarButtonView::SetStyle(long style) {
    return Set(&BarButtonRecord::style, style);
}

bool BarButtonView::SetPicture(long bitmapId) {
    return Set(&BarButtonRecord::picture, bitmapId);
}

bool BarButtonView::SetMask(long bitmapId) {
    return Set(&BarButtonRecord::mask, bitmapId);
}

std::string BarView::Name() {
    std::shared_ptr<BarRecord> bar = bar_.lock();
    return bar ? bar->Name() : std::string();
}

bool BarView::SetVisible(bool visible) {
    std::shared_ptr<BarRecord> bar = bar_.lock();
    if (!bar)
        return false;
    bar->SetVisible(visible);
    return true;
}

ide::Ref<ide::CommandBar> BarSetView::Item(const std::string& name) {
    std::shared_ptr<BarRecord> bar = store_->Find(name);
    if (!bar)
        return nullptr;
    return std::make_shared<BarView>(bar, generation_);
}

ide::Ref<ide::CommandBarSet> BarCollection::Generation(ide::BarGeneration generation) {
    if (!store_->Answers(generation))
        return nullptr;
    return std::make_shared<BarSetView>(store_, generation);
}

}  // namespace workbench
