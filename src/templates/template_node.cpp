#include "templates/template_node.h"

#include <string_view>
#include <utility>

namespace templates {

TemplateNode::TemplateNode(std::string name, std::string key, std::string text)
    : name(std::move(name)), key(std::move(key)), text(std::move(text)) {}

TemplateNode::~TemplateNode() = default;

TemplateList::~TemplateList() {
    Clear();
}

TemplateNode& TemplateList::Add(std::unique_ptr<TemplateNode> node) {
    nodes_.push_back(std::move(node));
    return *nodes_.back();
}

void TemplateList::Clear() {
    // Each node gives up its children before it dies, so its destructor finds an empty list
    // and the subtree is freed here, one node at a time.
    Nodes doomed = std::move(nodes_);
    nodes_.clear();
    while (!doomed.empty()) {
        std::unique_ptr<TemplateNode> node = std::move(doomed.back());
        doomed.pop_back();
        if (node->children) {
            Nodes& children = node->children->nodes_;
            for (std::unique_ptr<TemplateNode>& child : children)
                doomed.push_back(std::move(child));
            children.clear();
        }
    }
}

std::string CommandName(const TemplateNode& node) {
    constexpr std::string_view kDropped = " \t,._&";
    std::string name;
    for (char c : node.name) {
        if (kDropped.find(c) == std::string_view::npos)
            name += c;
    }
    return name;
}

bool HasKey(const TemplateNode& node) {
    return !node.key.empty();
}

bool IsGroup(const TemplateNode& node) {
    return node.children != nullptr;
}

bool IsSeparator(const TemplateNode& node) {
    return node.name.empty() && node.text.empty();
}

}  // namespace templates
