// The command table as the dispatcher, Exec and the popup menu read it.
#include "host/command_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "host/add_in_menu.h"
#include "host/dispatch.h"
#include "support/null_platform.h"
#include "sys/popup_menu.h"

namespace host {
namespace {

// Answers every menu with one number; no other service is there.
class MenuPlatform : public testing_support::NullPlatform {
  public:
    explicit MenuPlatform(int choice) : choice_(choice) {}
    std::vector<ui::PopupMenu> menus;

    int TrackPopupMenu(const ui::PopupMenu& menu) override {
        menus.push_back(menu);
        return choice_;
    }

  private:
    int choice_;
};

TEST(CommandTableTest, EveryNameFindsItsOwnRowInAnyCase) {
    for (const CommandDef& row : NamedCommands()) {
        for (int (*change)(int) : {::tolower, ::toupper}) {
            std::string name = std::string(kCommandPrefix) + row.name;
            std::transform(name.begin(), name.end(), name.begin(), change);
            EXPECT_EQ(FindNamedCommand(name), &row) << name;
        }
    }
}

// Before the IDE connects every command must still return quietly.
TEST(CommandTableTest, DispatchRunsExactlyTheCommandNumbersWithoutAnIde) {
    MenuPlatform platform(0);
    settings::Settings settings;
    const commands::CommandContext context{nullptr, platform, settings};
    std::set<int> numbers;
    for (const CommandDef& row : kCommandTable) {
        EXPECT_TRUE(Dispatch(row.number, context)) << row.number;
        numbers.insert(row.number);
    }
    EXPECT_EQ(numbers, (std::set<int>{0,     32769, 32770, 32772, 32774, 32776, 32778, 32780, 32782,
                                      32784, 32786, 32790, 32792, 32794, 32796, 32798, 32800, 32802,
                                      32804, 32806, 32808, 65001, 65002, 65003, 65004}));
    for (int number : {-1, 32768, 32771, 65005})
        EXPECT_FALSE(Dispatch(number, context)) << number;
}

// A faulty host answering with the menu's own number must not open it again and again.
TEST(AddInMenuTest, OnlyAnItemOfTheMenuRuns) {
    MenuPlatform platform(kMenu);
    settings::Settings settings;
    ShowAddInMenu({nullptr, platform, settings});
    EXPECT_EQ(platform.menus.size(), 1u);
}

}  // namespace
}  // namespace host
