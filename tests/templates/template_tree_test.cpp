#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "templates/template_lookup.h"
#include "templates/template_node.h"
#include "templates/template_walk.h"
#include "templates/tree_indent.h"

namespace templates {
namespace {

TemplateNode& AddNode(TemplateList& list, const std::string& name) {
    return list.Add(std::make_unique<TemplateNode>(name));
}

TemplateList& AddGroup(TemplateList& list, const std::string& name) {
    TemplateNode& group = AddNode(list, name);
    group.children = std::make_unique<TemplateList>();
    return *group.children;
}

// [P, G [Q, R], S]
TemplateList Sample() {
    TemplateList list;
    AddNode(list, "P");
    TemplateList& group = AddGroup(list, "G");
    AddNode(group, "Q");
    AddNode(group, "R");
    AddNode(list, "S");
    return list;
}

// Numbers run through the tree with a group after its descendants, as the walk reports them.
TEST(TemplateTreeTest, WalkNumbersAGroupAfterItsDescendants) {
    TemplateList list = Sample();
    AddGroup(list, "Empty");
    std::vector<std::string> steps;
    for (TemplateWalk walk(list); walk.Next();) {
        const char* kind = walk.Kind() == TemplateWalk::Step::kItem         ? ""
                           : walk.Kind() == TemplateWalk::Step::kEnterGroup ? "+"
                                                                            : "-";
        steps.push_back(kind + walk.Node().name + std::to_string(walk.Number()) + "@" +
                        std::to_string(walk.Depth()));
    }
    const std::vector<std::string> expected{"P1@0",  "+G0@0", "Q2@1",      "R3@1",
                                            "-G4@0", "S5@0",  "+Empty0@0", "-Empty6@0"};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(FindByIndex(list, 3), &(*list[1].children)[1]);
    EXPECT_EQ(FindByIndex(list, 4), &list[1]);
    EXPECT_EQ(FindByIndex(list, 0), nullptr);
    EXPECT_EQ(FindByIndex(list, 7), nullptr);
}

TEST(TemplateTreeTest, FindsTheFirstCommandNameInPreOrder) {
    TemplateList list;
    TemplateList& group = AddGroup(list, "Twin");
    TemplateNode& inner = AddNode(group, "T_win");
    AddNode(group, "Inner.One");
    AddNode(list, "Inner One");
    struct Case {
        const char* commandName;
        const TemplateNode* found;
    } cases[] = {
        {"Twin", &list[0]},  // the group comes before its child of the same command name
        {"InnerOne", &group[1]},
        {"innerone", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindByCommandName(list, c.commandName), c.found) << c.commandName;
    EXPECT_EQ(CommandName(inner), "Twin");
}

TEST(TemplateTreeTest, CommandNameDropsBlanksAndPunctuation) {
    const std::pair<const char*, const char*> cases[] = {
        {"&For Each_Item, rev.2", "ForEachItemrev2"},
        {"a-b+c/d", "a-b+c/d"},
        {" ,._&", ""},
    };
    for (const auto& [name, commandName] : cases)
        EXPECT_EQ(CommandName(TemplateNode(name)), commandName) << name;
}

// A listing of a deeply nested file must not grow with the square of its depth.
TEST(TemplateTreeTest, IndentationStopsAtSixteenLevelsAndThenShowsTheDepth) {
    const std::string deepest(32, ' ');
    const std::pair<std::size_t, std::string> cases[] = {{0, ""},
                                                         {1, "  "},
                                                         {16, deepest},
                                                         {17, deepest + "(depth 17) "},
                                                         {100000, deepest + "(depth 100000) "}};
    for (const auto& [depth, indent] : cases)
        EXPECT_EQ(TreeIndent(depth), indent) << depth;
}

}  // namespace
}  // namespace templates
