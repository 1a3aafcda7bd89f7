#include "templates/template_walk.h"

namespace templates {

TemplateWalk::TemplateWalk(const TemplateList& list) {
    levels_.push_back({&list, 0});
}

bool TemplateWalk::Next() {
    if (node_ != nullptr && step_ == Step::kEnterGroup)
        levels_.push_back({node_->children.get(), 0});
    while (!levels_.empty()) {
        Level& level = levels_.back();
        if (level.next < level.list->Size()) {
            node_ = &(*level.list)[level.next++];
            if (IsGroup(*node_)) {
                step_ = Step::kEnterGroup;
                number_ = 0;
            } else {
                step_ = Step::kItem;
                number_ = ++lastNumber_;
            }
            return true;
        }
        levels_.pop_back();
        if (levels_.empty())
            break;
        const Level& parent = levels_.back();
        node_ = &(*parent.list)[parent.next - 1];
        step_ = Step::kLeaveGroup;
        number_ = ++lastNumber_;
        return true;
    }
    node_ = nullptr;
    return false;
}

}  // namespace templates
