#include "templates/template_menu.h"

#include <gtest/gtest.h>

#include "fake_variables.h"
#include "templates/template_lookup.h"
#include "templates/template_parser.h"

namespace templates {
namespace {

// The menu as one line: numbers, texts, [submenus], '-' separators, '*' default, '~' greyed.
std::string Show(const std::vector<ui::MenuItem>& items) {
    std::string out;
    for (const ui::MenuItem& item : items) {
        if (item.separator) {
            out += "- ";
        } else if (item.IsPopup()) {
            out += item.text + "[" + Show(item.submenu) + "] ";
        } else {
            out += std::to_string(item.number) + ":" + item.text + (item.isDefault ? "*" : "") +
                   (item.enabled ? "" : "~") + " ";
        }
    }
    return out;
}

TEST(TemplateMenuTest, LabelsNumbersAndGroups) {
    const struct {
        const char* file;
        bool enabled;
        const char* expected;
    } rows[] = {
        {"##+\n##+ For loop\\tCtrl+Shift+F\nfor\n##-\n##+\n##-\n##+ &G\n##+ A\n##-\n##+ "
         "B\n##-\n##-\n",
         true, "1:For loop\tCTRL+SHIFT+F* - &G[3:A 4:B ] "},
        {"##+\n##+ G\n##+ A\n##-\n##-\n##+ B\n##-\n", false, "G[1:A~ ] 3:B~ "},
        {"##+\n##+ Shown/\n\tx\t\ty & z \t\r\nsecond\n##-\n##+ Empty/\n\r\n##-\n", true,
         "1:x y && z* 2:Empty "},
        {"##+\n##+ P/\n$(file.short)\n##-\n", true, "1:shape* "},
    };
    FakeVariables source;
    for (const auto& row : rows) {
        const TemplateList list = ParseTemplateText(row.file);
        const ui::PopupMenu menu = TemplateMenu(list, &source, row.enabled);
        std::string shown = Show(menu.Items());
        const std::string fixed = "0:Code Templates\tCTRL-0~ - " + std::to_string(kReloadItem) +
                                  ":&Reload " + std::to_string(kEditItem) + ":&Edit... - ";
        ASSERT_EQ(shown.substr(0, fixed.size()), fixed);
        EXPECT_EQ(shown.substr(fixed.size()), row.expected) << row.file;
    }
}

TEST(TemplateMenuTest, PreviewLabelsAreCutAtOneHundredCharacters) {
    const struct {
        std::string expanded;
        std::string label;
    } rows[] = {
        {"  a\t\t&b  ", "a &&b"},
        {std::string(99, 'x') + "&", std::string(99, 'x') + "&"},
        {std::string(98, 'x') + "  yz", std::string(98, 'x')},
        {"\r\nlater", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PreviewLabel(row.expanded), row.label) << row.expanded;
}

// The fixed items stay apart from templates however many there are; their numbers are the
// tree's own, so the last ones are found and run.
TEST(TemplateMenuTest, ManyTemplatesKeepTheirNumbers) {
    std::string file = "##+\n";
    for (int i = 1; i <= 120; ++i)
        file += "##+ T" + std::to_string(i) + "\nt" + std::to_string(i) + "\n##-\n";
    const TemplateList list = ParseTemplateText(file);
    const ui::PopupMenu menu = TemplateMenu(list, nullptr, true);
    ASSERT_EQ(menu.Items().size(), 125u);
    for (int number : {1, 98, 99, 120}) {
        const ui::MenuItem* item = menu.FindItem(number);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text, "T" + std::to_string(number));
        EXPECT_EQ(FindByIndex(list, number)->text, "t" + std::to_string(number) + "\r\n");
    }
    EXPECT_EQ(menu.FindItem(kReloadItem)->text, "&Reload");
    EXPECT_EQ(menu.FindItem(kEditItem)->text, "&Edit...");
}

TEST(TemplateMenuTest, DeepGroupsOpenSubmenusOnlyToTheBound) {
    constexpr int kDepth = 10000;
    std::string file = "##+\n";
    for (int i = 0; i < kDepth; ++i)
        file += "##+ G\n";
    file += "##+ Deep\n##-\n";
    const TemplateList list = ParseTemplateText(file);
    std::vector<ui::MenuItem> items = BuildTemplateMenu(list, nullptr, true);
    std::size_t depth = 0;
    while (items.size() == 1 && items[0].IsPopup()) {
        std::vector<ui::MenuItem> inner = std::move(items[0].submenu);
        items = std::move(inner);
        ++depth;
    }
    EXPECT_EQ(depth, kMaxMenuDepth);
    EXPECT_EQ(Show(items), "1:Deep ");
}

}  // namespace
}  // namespace templates
