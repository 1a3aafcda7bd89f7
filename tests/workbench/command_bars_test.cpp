#include "workbench/command_bars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench_fixture.h"

namespace {

using ide::BarGeneration;
using workbench::ButtonState;

class CommandBarsTest : public workbench_testing::BenchTest {
  protected:
    ide::Ref<ide::CommandBar> AddToolbar(const std::string& name) {
        return commands_->AddCommandBar(name, ide::kCommandBarTypeToolbar, nullptr, 0);
    }
    ide::Ref<ide::CommandBar> Bar(BarGeneration generation, const std::string& name) {
        ide::Ref<ide::CommandBarSet> set = bench_.GetCommandBars()->Generation(generation);
        return set ? set->Item(name) : nullptr;
    }
    const workbench::BarState* StateOf(const std::string& name) {
        state_ = bench_.CurrentIdeState();
        for (const auto& bar : state_.bars) {
            if (bar.name == name)
                return &bar;
        }
        return nullptr;
    }

    workbench::IdeState state_;
};

// Which generation answers when only one is available is covered by the connection tests.
TEST_F(CommandBarsTest, EachGenerationSeesTheSameBarsByExactName) {
    ide::Ref<ide::CommandBar> created = AddToolbar("Zentrel2");
    ASSERT_TRUE(created);
    EXPECT_EQ(created->Generation(), BarGeneration::Newer);
    for (auto generation : {BarGeneration::Older, BarGeneration::Newer}) {
        ide::Ref<ide::CommandBar> bar = Bar(generation, "Zentrel2");
        ASSERT_TRUE(bar);
        EXPECT_EQ(bar->Generation(), generation);
        EXPECT_FALSE(Bar(generation, "zentrel2"));
    }
    ide::Ref<ide::CommandBar> standard = Bar(BarGeneration::Older, "Standard");
    const struct {
        const char* name;
        long type;
        ide::CommandBar* parent;
    } refused[] = {{"Zentrel2", ide::kCommandBarTypeToolbar, nullptr},
                   {"Standard", ide::kCommandBarTypeToolbar, nullptr},
                   {"", ide::kCommandBarTypeToolbar, nullptr},
                   {"Popup", 10, nullptr},
                   {"Child", ide::kCommandBarTypeToolbar, standard.get()}};
    for (const auto& c : refused)
        EXPECT_FALSE(commands_->AddCommandBar(c.name, c.type, c.parent, 0)) << c.name;
}

TEST_F(CommandBarsTest, WithoutAnyGenerationABarIsMadeButNotHandedBack) {
    bench_.SetBarGenerationAvailable(BarGeneration::Older, false);
    bench_.SetBarGenerationAvailable(BarGeneration::Newer, false);
    EXPECT_FALSE(bench_.GetCommandBars()->Generation(BarGeneration::Older));
    EXPECT_FALSE(AddToolbar("Zentrel2"));
    EXPECT_EQ(bench_.CurrentIdeState().bars.back().name, "Zentrel2");
}

TEST_F(CommandBarsTest, ButtonsKeepPositionCommandStyleAndPictures) {
    ide::Ref<ide::CommandBar> bar = AddToolbar("Zentrel2");
    ide::Ref<ide::Command> menu = Add("Menu");
    ide::Ref<ide::Command> codeMenu = Add("CodeMenu");
    ide::Ref<ide::Command> extra = Add("Extra");
    const struct {
        ide::Command* command;
        long position;
        long picture;
        long mask;
    } steps[] = {{codeMenu.get(), 1, 205, 223}, {menu.get(), 1, 206, 222}, {extra.get(), 9, 0, 0}};
    for (const auto& step : steps) {
        ide::Ref<ide::CommandBarControl> control = step.command->AddControl(*bar, step.position);
        ide::Ref<ide::CommandBarButton> button = control ? control->Button() : nullptr;
        ASSERT_TRUE(button);
        EXPECT_TRUE(button->SetStyle(ide::kButtonStyleIcon));
        EXPECT_TRUE(button->SetPicture(step.picture));
        EXPECT_TRUE(button->SetMask(step.mask));
    }
    EXPECT_TRUE(bar->SetVisible(false));
    const workbench::BarState* state = StateOf("Zentrel2");
    ASSERT_TRUE(state);
    EXPECT_FALSE(state->visible);
    EXPECT_EQ(state->buttons, (std::vector<ButtonState>{{1, "Zentrel2.Menu", 1, 206, 222},
                                                        {2, "Zentrel2.CodeMenu", 1, 205, 223},
                                                        {3, "Zentrel2.Extra", 1, 0, 0}}));
}

TEST_F(CommandBarsTest, DeletingACommandTakesItsButtonsOffEveryBar) {
    ide::Ref<ide::CommandBar> bar = AddToolbar("Zentrel2");
    ide::Ref<ide::Command> menu = Add("Menu");
    ide::Ref<ide::Command> codeMenu = Add("CodeMenu");
    ide::Ref<ide::CommandBarControl> gone = menu->AddControl(*bar, 1);
    ASSERT_TRUE(menu->AddControl(*Bar(BarGeneration::Older, "Standard"), 1));
    ASSERT_TRUE(codeMenu->AddControl(*bar, 2));
    const std::vector<ButtonState> standard = StateOf("Standard")->buttons;

    ASSERT_TRUE(menu->Delete());
    EXPECT_EQ(StateOf("Zentrel2")->buttons,
              (std::vector<ButtonState>{{1, "Zentrel2.CodeMenu", 0, 0, 0}}));
    EXPECT_EQ(StateOf("Standard")->buttons.size(), standard.size() - 1);
    EXPECT_FALSE(gone->Button());
}

TEST_F(CommandBarsTest, RemovedBarIsGoneThroughEveryReference) {
    ide::Ref<ide::CommandBar> bar = AddToolbar("Zentrel2");
    ide::Ref<ide::Command> menu = Add("Menu");
    ide::Ref<ide::CommandBarControl> control = menu->AddControl(*bar, 1);
    ide::Ref<ide::CommandBarButton> button = control->Button();
    ide::Ref<ide::CommandBar> older = Bar(BarGeneration::Older, "Zentrel2");

    ASSERT_TRUE(commands_->RemoveCommandBar(*older));
    EXPECT_FALSE(Bar(BarGeneration::Newer, "Zentrel2"));
    EXPECT_FALSE(StateOf("Zentrel2"));
    EXPECT_FALSE(commands_->RemoveCommandBar(*bar));
    EXPECT_FALSE(bar->SetVisible(true));
    EXPECT_FALSE(button->SetStyle(ide::kButtonStyleIcon));
    EXPECT_FALSE(Add("CodeMenu")->AddControl(*bar, 1));
    EXPECT_TRUE(menu->Delete());
    EXPECT_TRUE(AddToolbar("Zentrel2")) << "the name is free again";
}

}  // namespace
