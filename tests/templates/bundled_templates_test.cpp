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

std::string BundledFile() {
    std::ifstream in(ZENTREL_SOURCE_DIR "/resources/Zentrel.txt", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

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
    const std::string file = BundledFile();
    ASSERT_FALSE(file.empty());
    const TemplateList tree = ParseTemplateText(file);

    // Every header after the opening line made a node: no stray closing line cut reading short.
    std::size_t headers = 0;
    for (std::size_t at = file.find("\n##+"); at != std::string::npos;
         at = file.find("\n##+", at + 1))
        ++headers;

    std::size_t nodes = 0, groups = 0, separators = 0, keys = 0, previews = 0;
    std::set<std::string> commandNames;
    for (TemplateWalk walk(tree); walk.Next();) {
        if (walk.Kind() == TemplateWalk::Step::kLeaveGroup)
            continue;
        const TemplateNode& node = walk.Node();
        ++nodes;
        if (IsGroup(node)) {
            ++groups;
            EXPECT_FALSE(node.children->Empty()) << node.name;
            EXPECT_EQ(walk.Depth(), 0u) << node.name;
        } else if (IsSeparator(node)) {
            ++separators;
            continue;
        } else {
            EXPECT_TRUE(Balanced(node.text, '(', ')')) << node.name;
            EXPECT_TRUE(Balanced(node.text, '{', '}')) << node.name;
        }
        const std::string commandName = CommandName(node);
        // The command name becomes part of an IDE command's name.
        for (char c : commandName)
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << node.name;
        EXPECT_TRUE(commandNames.insert(commandName).second) << "twice: " << commandName;
        if (HasKey(node)) {
            ++keys;
            EXPECT_TRUE(node.key.starts_with("ctrl+shift+")) << node.key;
        }
        previews += node.preview ? 1 : 0;
    }
    // The opening line is the only header that makes no node.
    EXPECT_EQ(nodes, headers - 1);
    EXPECT_GE(groups, 3u);
    EXPECT_GE(separators, 2u);
    EXPECT_GE(keys, 4u);
    EXPECT_GE(previews, 1u);
}

}  // namespace
}  // namespace templates
