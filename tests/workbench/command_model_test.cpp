#include "workbench/command_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench_fixture.h"

namespace {

std::vector<std::string> BindingsOf(ide::Commands& commands, const std::string& name) {
    for (long i = 1; i <= commands.Count(); ++i) {
        if (commands.Item(i)->Name() == name)
            return commands.Item(i)->Bindings();
    }
    ADD_FAILURE() << "no command " << name;
    return {};
}

class CommandModelTest : public workbench_testing::BenchTest {
  protected:
    std::vector<std::string> NamesFrom(long first) {
        std::vector<std::string> names;
        for (long i = first; i <= commands_->Count(); ++i)
            names.push_back(commands_->Item(i)->Name());
        return names;
    }
    ide::Ref<ide::Property> Scheme() {
        return bench_.GetProperties("Environment", "Keyboard")->Item(1);
    }
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

// The add-in's setup walks the list by index and deletes as it goes.
TEST_F(CommandModelTest, DeletingDuringAWalkKeepsOrderNamesAndBindings) {
    bench_.SetKeyboardScheme("keys.vsk");
    const long fresh = commands_->Count();
    for (char digit : std::string("012345"))
        ASSERT_TRUE(
            Add(std::string("T") + digit)->SetBindings({std::string("Global::alt+") + digit}));
    for (long index = 1; index <= commands_->Count(); ++index) {
        ide::Ref<ide::Command> command = commands_->Item(index);
        if (command->Name().starts_with("Zentrel2.T") && command->Name().back() % 2 == 0 &&
            command->Delete())
            --index;
    }
    EXPECT_EQ(NamesFrom(fresh + 1),
              (std::vector<std::string>{"Zentrel2.T1", "Zentrel2.T3", "Zentrel2.T5"}));
    const std::pair<const char*, const char*> presses[] = {
        {"alt+0", ""}, {"Alt+1", "Zentrel2.T1"}, {"alt+4", ""}, {"ALT+5", "Zentrel2.T5"}};
    for (const auto& [keys, command] : presses)
        EXPECT_EQ(Pressed(keys), command) << keys;
    EXPECT_FALSE(Add("t3"));
    ASSERT_TRUE(Add("t2"));
    EXPECT_EQ(NamesFrom(commands_->Count()), std::vector<std::string>{"Zentrel2.t2"});
}

// A saved state may give one chord to several commands: the first in the list runs, and
// binding the chord anew takes it from all of them.
TEST_F(CommandModelTest, AChordHeldTwiceRunsTheFirstHolderUntilTakenFromBoth) {
    workbench::IdeState state = workbench::FreshIdeState();
    state.keyboardScheme = "keys.vsk";
    for (const char* name : {"X.B", "X.A"})
        state.commands.push_back({name, "", "", {"Global::ctrl+q"}});
    state.commands.push_back(
        {"X.C", "", "", {"Global::ctrl+q", "GLOBAL::Ctrl+Q", "Global::ctrl+w"}});
    std::string error;
    ASSERT_TRUE(bench_.RestoreIdeState(state, error)) << error;
    EXPECT_EQ(Pressed("ctrl+q"), "X.B");
    ASSERT_TRUE(commands_->Item(commands_->Count() - 2)->Delete());
    EXPECT_EQ(Pressed("ctrl+q"), "X.A");
    ASSERT_TRUE(Add("D")->SetBindings({"global::Ctrl+Q"}));
    EXPECT_EQ(Pressed("ctrl+q"), "Zentrel2.D");
    EXPECT_EQ(BindingsOf(*commands_, "X.C"), std::vector<std::string>{"Global::ctrl+w"});
    EXPECT_EQ(Pressed("ctrl+w"), "X.C");
}
