// The add-in's connection to the IDE: first-time setup, its commands, bindings and toolbar.
#include "host/connect.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/command_setup.h"
#include "host/command_table.h"
#include "host/keyboard_scheme.h"
#include "session.h"

namespace e2e {
namespace {

// The add-in connected to the session's IDE, as the IDE does at start-up.
struct Connected {
    Session session;
    host::Connect connect{session.App()};

    Connected() {
        session.Platform().SetApplicationDataFolder((session.Dir().Path() / "appdata").string());
        session.Platform().SetModuleFileName(
            (session.Dir().Path() / "module" / "Zentrel2.dll").string());
        session.Dir().Write("module/Def.vsk", "default scheme\n");
    }
    void Start() { connect.OnConnection(session.BenchRef(), session.Bench().AddInInstance()); }

    std::vector<workbench::CommandState> AddInCommands() {
        std::vector<workbench::CommandState> out;
        for (const auto& command : session.Bench().CurrentIdeState().commands) {
            if (command.name.find("Zentrel") != std::string::npos)
                out.push_back(command);
        }
        return out;
    }
    const workbench::BarState* Toolbar() {
        bars = session.Bench().CurrentIdeState().bars;
        auto it = std::find_if(bars.begin(), bars.end(),
                               [](const auto& bar) { return bar.name == "Zentrel2"; });
        return it == bars.end() ? nullptr : &*it;
    }
    std::optional<std::int32_t> Marker(const std::string& name) {
        auto value = session.Profile().Peek("Setup", name);
        if (!value)
            return std::nullopt;
        const auto* number = std::get_if<std::int32_t>(&*value);
        return number ? std::optional<std::int32_t>(*number) : std::nullopt;
    }
    std::vector<workbench::BarState> bars;
};

TEST(ConnectTest, FirstStartCreatesTheCommandsBindingsToolbarAndMarker) {
    Connected ide;
    ide.session.Bench().SetBuiltInSchemesReadOnly(false);
    ide.Start();
    const auto commands = ide.AddInCommands();
    // The table's 13 commands, then the templates that have keys.
    ASSERT_GE(commands.size(), 13u);
    for (std::size_t row = 0; row < host::kCommandCount; ++row) {
        const host::CommandDef& def = host::kCommandTable[row];
        EXPECT_EQ(commands[row].name, std::string("Zentrel2.") + def.name);
        EXPECT_EQ(commands[row].buttonText, def.buttonText);
        EXPECT_EQ(commands[row].tooltip, def.description);
        EXPECT_EQ(commands[row].bindings, host::BindingsFor(def.binding)) << def.name;
    }
    EXPECT_EQ(commands[0].bindings,
              (std::vector<std::string>{"Global::ctrl+q", "Text Editor::ctrl+q"}));
    EXPECT_EQ(commands[5].bindings, std::vector<std::string>{"Text Editor::ctrl+5"});
    const auto templateCommand = std::find_if(commands.begin(), commands.end(), [](const auto& c) {
        return c.name == "Zentrel2.CodeTempl_for";
    });
    ASSERT_NE(templateCommand, commands.end());
    EXPECT_EQ(templateCommand->tooltip, "Insert Zentrel code template for");
    EXPECT_EQ(templateCommand->bindings, std::vector<std::string>{"Text Editor::ctrl+shift+1"});
    // A group without a key gets no command of its own.
    EXPECT_TRUE(std::none_of(commands.begin(), commands.end(),
                             [](const auto& c) { return c.name == "Zentrel2.CodeTempl_Loops"; }));

    const workbench::BarState* toolbar = ide.Toolbar();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->buttons,
              (std::vector<workbench::ButtonState>{{1, "Zentrel2.Menu", 1, 206, 222},
                                                   {2, "Zentrel2.CodeMenu", 1, 205, 223}}));
    EXPECT_EQ(ide.Marker("8.0"), 1);
    EXPECT_TRUE(ide.connect.IsSetUp());
    EXPECT_TRUE(ide.session.Recorded().messages.empty());
}

TEST(ConnectTest, LaterStartsCreateNothingUnlessTheToolbarOrCommandsAreGone) {
    Connected first;
    first.session.Bench().SetBuiltInSchemesReadOnly(false);
    first.Start();
    const workbench::IdeState kept = first.session.Bench().CurrentIdeState();

    Connected second;
    std::string error;
    ASSERT_TRUE(second.session.Bench().RestoreIdeState(kept, error)) << error;
    second.session.Profile().Seed("Setup", "8.0", std::int32_t{1});
    // A marker commands would be recreated without: remove a binding to see that they are not.
    second.Start();
    EXPECT_EQ(second.session.Bench().CurrentIdeState(), kept);

    // The user deleted the toolbar: everything is made again, nothing twice.
    Connected third;
    workbench::IdeState noToolbar = kept;
    std::erase_if(noToolbar.bars, [](const auto& bar) { return bar.name == "Zentrel2"; });
    ASSERT_TRUE(third.session.Bench().RestoreIdeState(noToolbar, error)) << error;
    third.session.Profile().Seed("Setup", "8.0", std::int32_t{1});
    EXPECT_FALSE(third.connect.IsSetUp());
    third.Start();
    EXPECT_NE(third.Toolbar(), nullptr);
    EXPECT_EQ(third.AddInCommands().size(), first.AddInCommands().size());
}

TEST(ConnectTest, TheMarkerIsNamedByTheVersionOrSetupAndASecondConnectionIsIgnored) {
    Connected ide;
    ide.session.Bench().SetVersion("");
    ide.Start();
    EXPECT_EQ(ide.Marker("Setup"), 1);
    EXPECT_EQ(ide.Marker("8.0"), std::nullopt);
    const auto before = ide.session.Bench().CurrentIdeState();
    ide.Start();
    EXPECT_EQ(ide.session.Bench().CurrentIdeState(), before);

    ide.connect.OnDisconnection();
    EXPECT_FALSE(ide.connect.Connected());
    EXPECT_EQ(ide.session.App().Environment(), nullptr);
    // Commands stay in the IDE after a disconnection; a reconnection finds them set up.
    EXPECT_EQ(ide.session.Bench().CurrentIdeState(), before);
    ide.Start();
    EXPECT_TRUE(ide.connect.Connected());
    EXPECT_EQ(ide.session.Bench().CurrentIdeState(), before);
}

TEST(ConnectTest, ARefusedBindingCopiesTheSchemeOnceAndTriesAgain) {
    Connected ide;  // the IDE runs its read-only built-in scheme
    ide.Start();
    const std::filesystem::path copy = ide.session.Dir().Path() / "appdata" / "Microsoft" /
                                       "VisualStudio" / "8.0" / "Default Settings Zentrel.vsk";
    EXPECT_EQ(
        ide.session.Dir().Read("appdata/Microsoft/VisualStudio/8.0/Default Settings Zentrel.vsk"),
        "default scheme\n");
    EXPECT_EQ(ide.session.Bench().CurrentIdeState().keyboardScheme, copy.string());
    const auto commands = ide.AddInCommands();
    EXPECT_EQ(commands[0].bindings,
              (std::vector<std::string>{"Global::ctrl+q", "Text Editor::ctrl+q"}));
    EXPECT_EQ(commands[12].bindings, std::vector<std::string>{"Text Editor::ctrl+shift+PgDn"});
}

TEST(ConnectTest, WhenTheCopyDoesNotHelpTheRestGetsNoBindingsAndNoFurtherCopy) {
    Connected ide;
    // No application-data folder: the copy cannot be made and the scheme stays read-only.
    ide.session.Platform().SetApplicationDataFolder("");
    ide.Start();
    for (const auto& command : ide.AddInCommands()) {
        EXPECT_TRUE(command.bindings.empty()) << command.name;
    }
    EXPECT_EQ(ide.session.Bench().CurrentIdeState().keyboardScheme, "[Default Settings]");
    EXPECT_TRUE(ide.session.Recorded().messages.empty());
}

TEST(ConnectTest, SchemeCopiesAreNumberedAndAnAddInSchemeIsKept) {
    Connected ide;
    const std::string dir = "appdata/Microsoft/VisualStudio/8.0/";
    ide.session.Dir().Write("schemes/My Keys.vsk", "mine\n");
    ide.session.Dir().Write(dir + "My Keys Zentrel.vsk", "older copy\n");
    ide.session.Bench().SetKeyboardScheme(
        (ide.session.Dir().Path() / "schemes/My Keys.vsk").string());
    ASSERT_TRUE(host::EnsureWritableScheme(ide.session.Bench(), ide.session.Platform()));
    EXPECT_EQ(ide.session.Dir().Read(dir + "My Keys Zentrel (2).vsk"), "mine\n");
    EXPECT_EQ(ide.session.Dir().Read(dir + "My Keys Zentrel.vsk"), "older copy\n");
    const std::string active = ide.session.Bench().CurrentIdeState().keyboardScheme;
    EXPECT_EQ(active, (ide.session.Dir().Path() / dir / "My Keys Zentrel (2).vsk").string());
    // A scheme of the add-in is active: nothing more is copied.
    ASSERT_TRUE(host::EnsureWritableScheme(ide.session.Bench(), ide.session.Platform()));
    EXPECT_EQ(ide.session.Bench().CurrentIdeState().keyboardScheme, active);
    EXPECT_FALSE(
        std::filesystem::exists(ide.session.Dir().Path() / dir / "My Keys Zentrel (3).vsk"));
}

TEST(ConnectTest, AFailingCommandIsReportedOncePerLoadAndLeavesNoToolbar) {
    Connected ide;
    ide.session.Bench().SetBuiltInSchemesReadOnly(false);
    // An IDE that already holds a command of that name refuses to add it again.
    workbench::IdeState state = ide.session.Bench().CurrentIdeState();
    state.commands.push_back({"Zentrel2.Menu", "x", "x", {}});
    std::string error;
    ASSERT_TRUE(ide.session.Bench().RestoreIdeState(state, error)) << error;
    // The removal walk takes it out first, so make the add-in instance unusable instead.
    ide.connect.OnConnection(ide.session.BenchRef(), nullptr);
    EXPECT_EQ(ide.session.Recorded().messages, std::vector<std::string>{"Failed"});
    EXPECT_EQ(ide.Toolbar(), nullptr);
    ide.connect.ResetCommands();
    EXPECT_EQ(ide.session.Recorded().messages.size(), 1u);
}

TEST(ConnectTest, RemovalTakesEveryAddInCommandAndTheToolbarButLeavesTheIdesOwn) {
    Connected ide;
    ide.session.Bench().SetBuiltInSchemesReadOnly(false);
    const std::size_t own = ide.session.Bench().CurrentIdeState().commands.size();
    ide.Start();
    host::RemoveCommands(ide.session.App(), ide.session.Bench());
    EXPECT_TRUE(ide.AddInCommands().empty());
    EXPECT_EQ(ide.Toolbar(), nullptr);
    EXPECT_EQ(ide.session.Bench().CurrentIdeState().commands.size(), own);
}

TEST(ConnectTest, TheToolbarIsFoundInWhicheverGenerationAnswers) {
    for (auto off : {ide::BarGeneration::Older, ide::BarGeneration::Newer}) {
        Connected ide;
        ide.session.Bench().SetBuiltInSchemesReadOnly(false);
        ide.session.Bench().SetBarGenerationAvailable(off, false);
        ide.Start();
        ASSERT_NE(ide.Toolbar(), nullptr);
        EXPECT_EQ(ide.Toolbar()->buttons.size(), 2u);
        EXPECT_TRUE(ide.connect.IsSetUp());
    }
}

}  // namespace
}  // namespace e2e
