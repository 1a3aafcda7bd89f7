// The add-in's popup menu, enabled by what the active document is.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "session.h"

namespace e2e {
namespace {

const ui::PopupMenu& ShowMenu(Session& session) {
    EXPECT_TRUE(session.Exec("Zentrel2.Menu"));
    EXPECT_EQ(session.Recorded().menus.size(), 1u);
    return session.Recorded().menus.back();
}

std::set<int> EnabledItems(Session& session) {
    std::set<int> enabled;
    for (const ui::MenuItem& item : ShowMenu(session).Items()) {
        if (!item.separator && item.enabled)
            enabled.insert(item.number);
    }
    return enabled;
}

std::set<int> Union(std::initializer_list<std::set<int>> sets) {
    std::set<int> out;
    for (const auto& s : sets)
        out.insert(s.begin(), s.end());
    return out;
}

const std::set<int> kAlways{32790, 32804, 32806, 32808};
const std::set<int> kText =
    Union({kAlways, {32780, 32784, 32786, 32792, 32794, 32796, 32798, 32800, 32774}});
const std::set<int> kHeader = Union({kText, {32769, 32772, 32776, 32778, 32782}});
const std::set<int> kSource = Union({kHeader, {32802}});

TEST(AddInMenuTest, LaysOutTheResourceMenuWithItsTitleAsInactiveDefault) {
    Session session;
    const std::vector<ui::MenuItem>& items = ShowMenu(session).Items();
    ASSERT_EQ(items.size(), 24u);
    EXPECT_EQ(items[0].number, 32770);
    EXPECT_EQ(items[0].text, "Zentrel Add-In\tCTRL-Q");
    EXPECT_FALSE(items[0].enabled);
    EXPECT_EQ(std::count_if(items.begin(), items.end(), [](auto& i) { return i.isDefault; }), 1);
    EXPECT_TRUE(items[0].isDefault);
    for (std::size_t position : {1u, 12u, 18u, 20u})
        EXPECT_TRUE(items[position].separator) << position;
    EXPECT_EQ(items[7].text, "(Un) Commenti&ze\tCTRL+7");
    EXPECT_EQ(items[11].number, 32802);
    EXPECT_EQ(items[23].text, "&About");
}

TEST(AddInMenuTest, WithoutADocumentOnlyTheAlwaysItemsAndBrowseForAProject) {
    Session session;
    EXPECT_EQ(EnabledItems(session), kAlways);

    Session withProject;
    std::string error;
    withProject.Dir().Write("proj/a.cpp", "int a;\n");
    ASSERT_TRUE(withProject.Bench().LoadSolutionDirectory(
        (withProject.Dir().Path() / "proj").string(), error))
        << error;
    EXPECT_EQ(EnabledItems(withProject), Union({kAlways, {32774}}));
}

TEST(AddInMenuTest, EnablesByTheKindOfTheActiveDocument) {
    const std::pair<const char*, std::set<int>> cases[] = {
        {"notes.txt", kText}, {"shape.HPP", kHeader}, {"shape.idl", kHeader}, {"shape.C", kSource}};
    for (const auto& [file, enabled] : cases) {
        Session session;
        session.Open(file, "int x;\n");
        EXPECT_EQ(EnabledItems(session), enabled) << file;
    }
}

TEST(AddInMenuTest, FollowsTheProfilesExtensionListsAndOnlyTheActiveDocument) {
    Session session;
    session.Profile().Seed("Options", "Extensions Source", std::string("txt\x01"));
    session.App().LoadSettings();
    session.Open("notes.txt", "x\n");
    EXPECT_EQ(EnabledItems(session), kSource);

    Session two;
    two.Open("a.cpp", "int a;\n");
    two.Open("b.txt", "b\n");
    EXPECT_EQ(EnabledItems(two), kText);
}

}  // namespace
}  // namespace e2e
