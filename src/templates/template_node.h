// The code template tree: templates, menu groups and separators, in file order.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace templates {

class TemplateList;

class TemplateNode {
  public:
    explicit TemplateNode(std::string name = {}, std::string key = {}, std::string text = {});
    // Nodes are owned through their list and may be of derived kinds.
    virtual ~TemplateNode();

    std::string name;  // menu text, may hold '&' accelerators
    std::string key;   // the template command's shortcut in lower case, or empty
    std::string text;  // body lines each ended by CR LF; the closing line's text adds none
    std::unique_ptr<TemplateList> children;  // present for a group only
    bool preview = false;                    // the menu labels the item with its expanded text
};

// Owns its nodes. Dropping any list or node frees its whole subtree without nesting destructor
// calls, so a tree as deep as the file makes it cannot exhaust the stack.
class TemplateList {
  public:
    using Nodes = std::vector<std::unique_ptr<TemplateNode>>;

    TemplateList() = default;
    ~TemplateList();
    TemplateList(TemplateList&&) noexcept = default;
    TemplateList& operator=(TemplateList&&) noexcept = default;

    TemplateNode& Add(std::unique_ptr<TemplateNode> node);
    void Clear();

    std::size_t Size() const { return nodes_.size(); }
    bool Empty() const { return nodes_.empty(); }
    TemplateNode& operator[](std::size_t index) { return *nodes_[index]; }
    const TemplateNode& operator[](std::size_t index) const { return *nodes_[index]; }
    Nodes::const_iterator begin() const { return nodes_.begin(); }
    Nodes::const_iterator end() const { return nodes_.end(); }

  private:
    Nodes nodes_;
};

// The name without blanks, tabs, ',', '.', '_' and '&': what follows "CodeTempl_" in the
// template's IDE command, and the key that command finds its template by.
std::string CommandName(const TemplateNode& node);
bool HasKey(const TemplateNode& node);
bool IsGroup(const TemplateNode& node);
// Empty name and text; a group is one even so, so test for a group first.
bool IsSeparator(const TemplateNode& node);

}  // namespace templates
