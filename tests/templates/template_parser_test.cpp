#include "templates/template_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "templates/template_lookup.h"
#include "tree_text.h"

namespace templates {
namespace {

TEST(TemplateParserTest, BuildsTheTreeLineByLine) {
    const struct {
        const char* what;
        std::string file;
        std::string tree;
    } cases[] = {
        {"no section", "just\ncomments\n##-\n", ""},
        {"preamble and lines after the opening one are comments",
         "a\n##- x\n##+ not a template\nignored\n##+ A\nbody\n##-\n", "'A' = \"body\\r\\n\""},
        {"blanks around the name", "##+\n##+ \t Name \t\r\n##-\n", "'Name'"},
        {"shortcut keeps the blanks of the name", "##+\n##+ For loop \\tCtrl+Shift+F  \n##-\n",
         "'For loop ' <ctrl+shift+f>"},
        {"preview after the shortcut", "##+\n##+ Date\\t Ctrl+D/\n##-\n", "'Date' <ctrl+d> /"},
        {"only the first shortcut counts", "##+\n##+ A\\tB\\tC\n##-\n", "'A' <b\\tc>"},
        {"a tab character is no shortcut", "##+\n##+ A\tB\n##-\n", "'A\\tB'"},
        {"the closing line's text ends the body", "##+\n##+ T\nab\ncd##-ef\n",
         "'T' = \"ab\\r\\ncd\""},
        {"header then closing line is an empty item", "##+\n##+ T\n##-\n", "'T'"},
        {"empty header then closing line is a separator", "##+\n##+\n##-\n##+ B\n##-\n", "'', 'B'"},
        {"markers count only at the line start", "##+\n##+ T\n ##+ x\n#+# y\n##-\n",
         "'T' = \" ##+ x\\r\\n#+# y\\r\\n\""},
        {"a header may hold the closing marker", "##+\n##+ A ##-\nx\n##-\n",
         "'A ##-' = \"x\\r\\n\""},
        {"a stray closing line stops reading", "##+\n##+ A\n##-\nx ##-\n##+ B\n##-\n", "'A'"},
        {"nested groups close",
         "##+\n##+ G\ng\n##+ A\n##-\n##+ H\n##+ B\n##-\n##-\n##-\n##+ C\n##-\n",
         "'G' = \"g\\r\\n\" ['A', 'H' ['B']], 'C'"},
        {"open groups close at the end", "##+\n##+ G\n##+ H\n##+ A\na",
         "'G' ['H' ['A' = \"a\\r\\n\"]]"},
        {"a group's children end before its list does", "##+\n##+ G\n##+ A\n##-\n##-\n##-\n##+ B\n",
         "'G' ['A']"},
        {"CR LF and LF end lines, a lone CR stays", "##+\r\n##+ A\r\nx\ry\r\n\r\nz\r##-\r\n",
         "'A' = \"x\\ry\\r\\n\\r\\nz\\r\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TreeText(ParseTemplateText(c.file)), c.tree) << c.what;
}

TEST(TemplateParserTest, SplitsLinesAsATextModeRead) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"a\n", {"a"}},
        {"\n", {""}},
        {"a\r\n\nb", {"a", "", "b"}},
        {"a\rb\r", {"a\rb\r"}},
    };
    for (const Case& c : cases) {
        TextLines reader(c.text);
        std::vector<std::string> lines;
        while (const std::optional<std::string_view> line = reader.Next())
            lines.emplace_back(*line);
        EXPECT_EQ(lines, c.lines) << Escaped(c.text);
    }
}

// Each header opens a group inside the one before, so the tree is as deep as the file is long.
TEST(TemplateParserTest, DeepNestingNeitherRecursesNorOverflows) {
    constexpr int kDepth = 100000;
    std::string file = "##+\n";
    for (int i = 0; i < kDepth; ++i)
        file += "##+ N" + std::to_string(i) + "\n";
    {
        const TemplateList tree = ParseTemplateText(file);
        // The innermost node is numbered first, the outermost group last.
        const TemplateNode* innermost = FindByIndex(tree, 1);
        ASSERT_TRUE(tree.Size() == 1 && innermost != nullptr);
        EXPECT_EQ(innermost->name, "N" + std::to_string(kDepth - 1));
        EXPECT_EQ(FindByIndex(tree, kDepth), &tree[0]);
        EXPECT_EQ(FindByCommandName(tree, innermost->name), innermost);
    }
    // A chain of closing lines unwinds it again, and the next header is a top-level one.
    for (int i = 0; i < kDepth; ++i)
        file += "##-\n";
    file += "##+ Last\n";
    TemplateList tree = ParseTemplateText(file);
    ASSERT_EQ(tree.Size(), 2u);
    EXPECT_EQ(tree[1].name, "Last");
    // Freeing a single deep node must not recurse either.
    std::unique_ptr<TemplateNode> chain = std::make_unique<TemplateNode>("top");
    chain->children = std::make_unique<TemplateList>(std::move(*tree[0].children));
    tree.Clear();
    EXPECT_TRUE(tree.Empty());
    chain.reset();
}

}  // namespace
}  // namespace templates
