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

const std::string kSchemes = "appdata/Microsoft/VisualStudio/8.0/";

// The add-in connected to the session's IDE, as the IDE does at start-up.
struct Connected {
    Session session;
    host::Connect connect{session.App()};
    std::vector<workbench::BarState> bars;

    // The built-in schemes are read-only unless the test asks otherwise.
    explicit Connected(bool writableSchemes = true) {
        session.Platform().SetApplicationDataFolder((session.Dir().Path() / "appdata").string());
        session.Platform().SetModuleFileName(
            (session.Dir().Path() / "module" / "Zentrel2.dll").string());
        session.Dir().Write("module/Def.vsk", "default scheme\n");
        session.Bench().SetBuiltInSchemesReadOnly(!writableSchemes);
    }
    void Start() { connect.OnConnection(session.BenchRef(), session.Bench().AddInInstance()); }
    workbench::IdeState State() { return session.Bench().CurrentIdeState(); }
    // A later start: the IDE as a former run left it, the marker set.
    void Restore(const workbench::IdeState& state) {
        std::string error;
        ASSERT_TRUE(session.Bench().RestoreIdeState(state, error)) << error;
        session.Profile().Seed("Setup", "8.0", std::int32_t{1});
    }

    std::vector<workbench::CommandState> AddInCommands() {
        std::vector<workbench::CommandState> out;
        for (const auto& command : State().commands) {
            if (command.name.find("Zentrel") != std::string::npos)
                out.push_back(command);
        }
        return out;
    }
    const workbench::BarState* Toolbar() {
        bars = State().bars;
        auto it = std::find_if(bars.begin(), bars.end(),
                               [](const auto& bar) { return bar.name == "Zentrel2"; });
        return it == bars.end() ? nullptr : &*it;
    }
    std::optional<std::int32_t> Marker(const std::string& name) {
        const auto value = session.Profile().Peek("Setup", name);
        return value ? std::optional(std::get<std::int32_t>(*value)) : std::nullopt;
    }
};

const std::vector<std::string> kMenuKeys{"Global::ctrl+q", "Text Editor::ctrl+q"};

TEST(ConnectTest, FirstStartCreatesTheCommandsBindingsToolbarAndMarker) {
    Connected ide;
    ide.Start();
    const auto commands = ide.AddInCommands();
    // The table's commands, then the templates that have keys.
    ASSERT_GT(commands.size(), host::kCommandCount);
    for (std::size_t row = 0; row < host::kCommandCount; ++row)
        EXPECT_EQ(commands[row].name, std::string("Zentrel2.") + host::kCommandTable[row].name);
    EXPECT_EQ(commands[0].bindings, kMenuKeys);
    const auto named = [&](const std::string& name) {
        return std::find_if(commands.begin(), commands.end(),
                            [&](const auto& c) { return c.name == name; });
    };
    const auto templateCommand = named("Zentrel2.CodeTempl_for");
    ASSERT_NE(templateCommand, commands.end());
    EXPECT_EQ(templateCommand->tooltip, "Insert Zentrel code template for");
    EXPECT_EQ(templateCommand->bindings, std::vector<std::string>{"Text Editor::ctrl+shift+1"});
    // A group without a key gets no command of its own.
    EXPECT_EQ(named("Zentrel2.CodeTempl_Loops"), commands.end());

    const workbench::BarState* toolbar = ide.Toolbar();
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(toolbar->buttons,
              (std::vector<workbench::ButtonState>{{1, "Zentrel2.Menu", 1, 206, 222},
                                                   {2, "Zentrel2.CodeMenu", 1, 205, 223}}));
    EXPECT_EQ(ide.Marker("8.0"), 1);
    EXPECT_TRUE(ide.connect.IsSetUp());
    EXPECT_TRUE(ide.session.Recorded().messages.empty());
}

TEST(ConnectTest, LaterStartsCreateNothingUnlessTheToolbarIsGone) {
    Connected first;
    first.Start();
    const workbench::IdeState kept = first.State();

    Connected second;
    second.Restore(kept);
    second.Start();
    EXPECT_EQ(second.State(), kept);

    // The user deleted the toolbar: everything is made again, nothing twice.
    Connected third;
    workbench::IdeState noToolbar = kept;
    std::erase_if(noToolbar.bars, [](const auto& bar) { return bar.name == "Zentrel2"; });
    third.Restore(noToolbar);
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
    const auto before = ide.State();
    ide.Start();
    EXPECT_EQ(ide.State(), before);

    // Commands stay in the IDE after a disconnection; a reconnection finds them set up.
    ide.connect.OnDisconnection();
    EXPECT_FALSE(ide.connect.Connected());
    EXPECT_EQ(ide.session.App().Environment(), nullptr);
    ide.Start();
    EXPECT_TRUE(ide.connect.Connected());
    EXPECT_EQ(ide.State(), before);
}

TEST(ConnectTest, ARefusedBindingCopiesTheSchemeOnceAndTriesAgain) {
    Connected ide(false);
    ide.Start();
    const std::string copy = kSchemes + "Default Settings Zentrel.vsk";
    EXPECT_EQ(ide.session.Dir().Read(copy), "default scheme\n");
    EXPECT_EQ(ide.State().keyboardScheme, (ide.session.Dir().Path() / copy).string());
    const auto commands = ide.AddInCommands();
    EXPECT_EQ(commands[0].bindings, kMenuKeys);
    EXPECT_EQ(commands[12].bindings, std::vector<std::string>{"Text Editor::ctrl+shift+PgDn"});

    // No application-data folder: the copy cannot be made, the rest get no bindings, silently.
    Connected stuck(false);
    stuck.session.Platform().SetApplicationDataFolder("");
    stuck.Start();
    for (const auto& command : stuck.AddInCommands())
        EXPECT_TRUE(command.bindings.empty()) << command.name;
    EXPECT_EQ(stuck.State().keyboardScheme, "[Default Settings]");
    EXPECT_TRUE(stuck.session.Recorded().messages.empty());
}

TEST(ConnectTest, SchemeCopiesAreNumberedAndAnAddInSchemeIsKept) {
    Connected ide;
    const testing_support::TempDir& dir = ide.session.Dir();
    dir.Write(kSchemes + "My Keys Zentrel.vsk", "older copy\n");
    ide.session.Bench().SetKeyboardScheme(dir.Write("schemes/My Keys.vsk", "mine\n").string());
    ASSERT_TRUE(host::EnsureWritableScheme(ide.session.Bench(), ide.session.Platform()));
    EXPECT_EQ(dir.Read(kSchemes + "My Keys Zentrel (2).vsk"), "mine\n");
    EXPECT_EQ(dir.Read(kSchemes + "My Keys Zentrel.vsk"), "older copy\n");
    const std::string active = ide.State().keyboardScheme;
    EXPECT_EQ(active, (dir.Path() / kSchemes / "My Keys Zentrel (2).vsk").string());
    // A scheme of the add-in is active: nothing more is copied.
    ASSERT_TRUE(host::EnsureWritableScheme(ide.session.Bench(), ide.session.Platform()));
    EXPECT_EQ(ide.State().keyboardScheme, active);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / kSchemes / "My Keys Zentrel (3).vsk"));
}

TEST(ConnectTest, AFailingCommandIsReportedOncePerLoadAndLeavesNoToolbar) {
    Connected ide;
    // Without a usable add-in instance the IDE refuses every command.
    ide.connect.OnConnection(ide.session.BenchRef(), nullptr);
    EXPECT_EQ(ide.session.Recorded().messages, std::vector<std::string>{"Failed"});
    EXPECT_EQ(ide.Toolbar(), nullptr);
    ide.connect.ResetCommands();
    EXPECT_EQ(ide.session.Recorded().messages.size(), 1u);
}

TEST(ConnectTest, TheToolbarIsMadeInEitherGenerationAndRemovalLeavesTheIdesOwn) {
    for (auto off : {ide::BarGeneration::Older, ide::BarGeneration::Newer}) {
        Connected ide;
        ide.session.Bench().SetBarGenerationAvailable(off, false);
        const std::size_t own = ide.State().commands.size();
        ide.Start();
        ASSERT_NE(ide.Toolbar(), nullptr);
        EXPECT_EQ(ide.Toolbar()->buttons.size(), 2u);
        EXPECT_TRUE(ide.connect.IsSetUp());
        host::RemoveCommands(ide.session.App(), ide.session.Bench());
        EXPECT_TRUE(ide.AddInCommands().empty());
        EXPECT_EQ(ide.Toolbar(), nullptr);
        EXPECT_EQ(ide.State().commands.size(), own);
    }
}

}  // namespace
}  // namespace e2e
