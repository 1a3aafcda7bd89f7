// The add-in's popup menu, enabled by what the active document is.
#include <gtest/gtest.h>

#include <set>

#include "host/command_table.h"
#include "session.h"

namespace e2e {
namespace {

std::set<int> EnabledItems(const ui::PopupMenu& menu) {
    std::set<int> enabled;
    for (const ui::MenuItem& item : menu.Items()) {
        if (!item.separator && item.enabled)
            enabled.insert(item.number);
    }
    return enabled;
}

const ui::PopupMenu& ShowMenu(Session& session) {
    EXPECT_TRUE(session.Exec("Zentrel2.Menu"));
    EXPECT_EQ(session.Recorded().menus.size(), 1u);
    return session.Recorded().menus.back();
}

const std::set<int> kAlways{32790, 32804, 32806, 32808};
const std::set<int> kText{32780, 32784, 32786, 32792, 32794, 32796, 32798, 32800, 32774};
const std::set<int> kCpp{32769, 32772, 32776, 32778, 32782};

std::set<int> Union(std::initializer_list<std::set<int>> sets) {
    std::set<int> out;
    for (const auto& s : sets)
        out.insert(s.begin(), s.end());
    return out;
}

TEST(AddInMenuTest, LaysOutTheResourceMenuWithItsTitleAsInactiveDefault) {
    Session session;
    const ui::PopupMenu& menu = ShowMenu(session);
    ASSERT_EQ(menu.Items().size(), 24u);
    const ui::MenuItem& title = menu.Items()[0];
    EXPECT_EQ(title.number, 32770);
    EXPECT_EQ(title.text, "Zentrel Add-In\tCTRL-Q");
    EXPECT_FALSE(title.enabled);
    EXPECT_TRUE(title.isDefault);
    for (std::size_t position : {1u, 12u, 18u, 20u}) {
        EXPECT_TRUE(menu.Items()[position].separator) << position;
    }
    EXPECT_EQ(menu.Items()[7].text, "(Un) Commenti&ze\tCTRL+7");
    EXPECT_EQ(menu.Items()[11].number, 32802);
    EXPECT_EQ(menu.Items()[23].text, "&About");
    for (std::size_t i = 1; i < menu.Items().size(); ++i)
        EXPECT_FALSE(menu.Items()[i].isDefault);
}

TEST(AddInMenuTest, WithoutADocumentOnlyTheAlwaysItemsAndBrowseForAProject) {
    Session session;
    EXPECT_EQ(EnabledItems(ShowMenu(session)), kAlways);

    Session withProject;
    std::string error;
    withProject.Dir().Write("proj/a.cpp", "int a;\n");
    ASSERT_TRUE(withProject.Bench().LoadSolutionDirectory(
        (withProject.Dir().Path() / "proj").string(), error))
        << error;
    EXPECT_EQ(EnabledItems(ShowMenu(withProject)), Union({kAlways, {32774}}));
}

TEST(AddInMenuTest, EnablesByTheKindOfTheActiveDocument) {
    struct Case {
        const char* file;
        std::set<int> enabled;
    } cases[] = {
        {"notes.txt", Union({kAlways, kText})},
        {"shape.h", Union({kAlways, kText, kCpp})},
        {"shape.HPP", Union({kAlways, kText, kCpp})},
        {"shape.idl", Union({kAlways, kText, kCpp})},
        {"shape.cpp", Union({kAlways, kText, kCpp, {32802}})},
        {"shape.C", Union({kAlways, kText, kCpp, {32802}})},
    };
    for (const Case& c : cases) {
        Session session;
        session.Open(c.file, "int x;\n");
        EXPECT_EQ(EnabledItems(ShowMenu(session)), c.enabled) << c.file;
    }
}

TEST(AddInMenuTest, FollowsTheProfilesExtensionLists) {
    Session session;
    session.Profile().Seed("Options", "Extensions Source", std::string("txt\x01"));
    session.App().LoadSettings();
    session.Open("notes.txt", "x\n");
    EXPECT_EQ(EnabledItems(ShowMenu(session)), Union({kAlways, kText, kCpp, {32802}}));
}

TEST(AddInMenuTest, LooksOnlyAtTheActiveDocument) {
    Session session;
    session.Open("a.cpp", "int a;\n");
    session.Open("b.txt", "b\n");
    EXPECT_EQ(EnabledItems(ShowMenu(session)), Union({kAlways, kText}));
}

}  // namespace
}  // namespace e2e
