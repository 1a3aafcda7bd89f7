// The one walk over a template tree, and the numbering the template menu gives its items.
#pragma once

#include <cstddef>
#include <vector>

#include "templates/template_node.h"

namespace templates {

// Depth first in file order, with the open groups on a stack of its own rather than the call
// stack. Numbers run from 1; a group takes the number after its last descendant, and
// separators and groups are numbered too, as the menu counts its items.
class TemplateWalk {
  public:
    enum class Step {
        kItem,        // a node without children
        kEnterGroup,  // a group, before its children
        kLeaveGroup,  // the same group, after them
    };

    explicit TemplateWalk(const TemplateList& list);

    // Moves to the next step; false once the walk is over.
    bool Next();

    Step Kind() const { return step_; }
    const TemplateNode& Node() const { return *node_; }
    // The node's menu number; 0 on entering a group, which is numbered on leaving it.
    int Number() const { return number_; }
    // How many groups enclose the node.
    std::size_t Depth() const { return levels_.size() - 1; }

  private:
    struct Level {
        const TemplateList* list;
        std::size_t next;
    };

    std::vector<Level> levels_;
    const TemplateNode* node_ = nullptr;
    Step step_ = Step::kItem;
    int number_ = 0;
    int lastNumber_ = 0;
};

}  // namespace templates
