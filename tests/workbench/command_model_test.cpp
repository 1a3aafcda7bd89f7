#include "workbench/command_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "workbench/workbench.h"

namespace {

std::vector<std::string> BindingsOf(ide::Commands& commands, const std::string& name) {
    for (long i = 1; i <= commands.Count(); ++i) {
        if (commands.Item(i)->Name() == name)
            return commands.Item(i)->Bindings();
    }
    ADD_FAILURE() << "no command " << name;
    return {};
}

class CommandModelTest : public ::testing::Test {
  protected:
    ide::Ref<ide::Command> Add(ide::AddIn* addIn, const std::string& name) {
        return commands_->AddNamedCommand(addIn, name, name + " text", name + " tip", true, 0,
                                          ide::kCommandStatusSupportedEnabled);
    }
    ide::Ref<ide::Command> Add(const std::string& name) { return Add(addIn_.get(), name); }
    ide::Ref<ide::Property> Scheme() {
        return bench_.GetProperties("Environment", "Keyboard")->Item(1);
    }

    workbench::Workbench bench_;
    ide::Ref<ide::Commands> commands_ = bench_.GetCommands();
    ide::Ref<ide::AddIn> addIn_ = bench_.AddInInstance();
};

TEST_F(CommandModelTest, AddNamedCommandRefusesWhatCannotBeNamed) {
    ASSERT_EQ(Add("FriendFile")->Name(), "Zentrel2.FriendFile");
    workbench::AddInRecord nameless("");
    const struct {
        const char* label;
        ide::AddIn* addIn;
        const char* name;
    } refused[] = {
        {"no add-in", nullptr, "Step"},
        {"add-in without a ProgID", &nameless, "Step"},
        {"empty name", addIn_.get(), ""},
        {"existing full name", addIn_.get(), "FriendFile"},
        {"existing name in other case", addIn_.get(), "friendfile"},
    };
    const long before = commands_->Count();
    for (const auto& c : refused) {
        EXPECT_FALSE(Add(c.addIn, c.name)) << c.label;
        EXPECT_EQ(commands_->Count(), before) << c.label;
    }
}

TEST_F(CommandModelTest, DeletedCommandAnswersNothing) {
    const long before = commands_->Count();
    ide::Ref<ide::Command> command = Add("Menu");
    ASSERT_TRUE(command->Delete());
    EXPECT_EQ(command->Name(), "");
    EXPECT_FALSE(command->Delete());
    EXPECT_FALSE(command->SetBindings({}));
    EXPECT_EQ(commands_->Count(), before);
    EXPECT_TRUE(Add("Menu")) << "the name is free again";
}

TEST_F(CommandModelTest, BuiltInSchemeRefusesBindingsUntilAFileSchemeIsActive) {
    EXPECT_EQ(Scheme()->GetValue(), ide::Value(std::string("[Default Settings]")));

    ide::Ref<ide::Command> command = Add("FriendFile");
    const std::vector<std::string> bindings{"Text Editor::ctrl+1"};
    EXPECT_FALSE(command->SetBindings(bindings));

    EXPECT_FALSE(Scheme()->SetValue(std::string()));
    EXPECT_FALSE(Scheme()->SetValue(7L));
    ASSERT_TRUE(Scheme()->SetValue(std::string("/home/u/Default Settings Zentrel.vsk")));
    EXPECT_TRUE(command->SetBindings(bindings));
    EXPECT_EQ(command->Bindings(), bindings);

    ASSERT_TRUE(Scheme()->SetValue(std::string("[Other Keys]")));
    EXPECT_FALSE(command->SetBindings({}));
    bench_.SetBuiltInSchemesReadOnly(false);
    EXPECT_TRUE(command->SetBindings({}));
}

TEST_F(CommandModelTest, BindingTakesTheChordFromItsHolderInThatScopeOnlyOrChangesNothing) {
    bench_.SetKeyboardScheme("keys.vsk");
    ide::Ref<ide::Command> command = Add("Copy");
    ASSERT_TRUE(command->SetBindings({"Global::Ctrl+C", "Text Editor::ctrl+ins"}));
    const std::vector<std::string> copy{"Global::ctrl+ins"};
    EXPECT_EQ(BindingsOf(*commands_, "Edit.Copy"), copy);

    const std::vector<std::string> bindings = command->Bindings();
    EXPECT_FALSE(command->SetBindings({"Global::ctrl+ins", "ctrl+9"}));
    EXPECT_EQ(command->Bindings(), bindings);
    EXPECT_EQ(BindingsOf(*commands_, "Edit.Copy"), copy);
}

}  // namespace
