// The template file users start with must load whole and make a sound menu.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "templates/template_parser.h"
#include "templates/template_walk.h"

namespace templates {
namespace {

bool Balanced(const std::string& text, char open, char close) {
    int depth = 0;
    for (char c : text) {
        depth += c == open ? 1 : c == close ? -1 : 0;
        if (depth < 0)
            return false;
    }
    return depth == 0;
}

TEST(BundledTemplatesTest, LoadsWholeAndMakesASoundMenu) {
    std::ifstream in(ZENTREL_SOURCE_DIR "/resources/Zentrel.txt", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string file = bytes.str();
    const TemplateList tree = ParseTemplateText(file);

    std::size_t headers = 0;  // after the opening line, each one makes a node
    for (std::size_t at = file.find("\n##+"); at != std::string::npos;
         at = file.find("\n##+", at + 1))
        ++headers;
    std::set<std::string> commandNames;
    std::size_t nodes = 0, kinds[4] = {};  // groups, separators, keys, previews
    for (TemplateWalk walk(tree); walk.Next();) {
        if (walk.Kind() == TemplateWalk::Step::kLeaveGroup)
            continue;
        const TemplateNode& node = walk.Node();
        ++nodes;
        kinds[3] += node.preview ? 1 : 0;
        if (IsGroup(node)) {
            ++kinds[0];
            EXPECT_TRUE(!node.children->Empty() && walk.Depth() == 0) << node.name;
        } else if (IsSeparator(node)) {
            ++kinds[1];
            continue;
        } else {
            EXPECT_TRUE(Balanced(node.text, '(', ')') && Balanced(node.text, '{', '}'))
                << node.name;
        }
        const std::string commandName = CommandName(node);  // part of an IDE command's name
        for (char c : commandName)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << node.name;
        EXPECT_TRUE(commandNames.insert(commandName).second) << "twice: " << commandName;
        kinds[2] += HasKey(node) ? 1 : 0;
        EXPECT_TRUE(!HasKey(node) || node.key.starts_with("ctrl+shift+")) << node.key;
    }
    EXPECT_EQ(nodes, headers - 1);
    EXPECT_TRUE(kinds[0] >= 3 && kinds[1] >= 2 && kinds[2] >= 4 && kinds[3] >= 1);
}

}  // namespace
}  // namespace templates
