// The add-in's connection to the IDE where a golden case cannot reach: no data folder for the
// scheme copy, a scheme file of the user's, a refused command.
#include "host/connect.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/keyboard_scheme.h"
#include "session.h"

namespace e2e {
namespace {

const std::string kSchemes = "appdata/Microsoft/VisualStudio/8.0/";

// The add-in connected to the session's IDE, as the IDE does at start-up.
struct Connected {
    Session session;
    host::Connect connect{session.App()};

    // The built-in schemes are read-only unless the test asks otherwise.
    explicit Connected(bool writableSchemes = true) {
        session.Platform().SetApplicationDataFolder((session.Dir().Path() / "appdata").string());
        session.Platform().SetModuleFileName(
            (session.Dir().Path() / "module" / "Zentrel2.dll").string());
        session.Bench().SetBuiltInSchemesReadOnly(!writableSchemes);
    }
    void Start() { connect.OnConnection(session.BenchRef(), session.Bench().AddInInstance()); }
    workbench::IdeState State() { return session.Bench().CurrentIdeState(); }

    std::vector<workbench::CommandState> AddInCommands() {
        std::vector<workbench::CommandState> out;
        for (const auto& command : State().commands) {
            if (command.name.find("Zentrel") != std::string::npos)
                out.push_back(command);
        }
        return out;
    }
    bool HasToolbar() {
        const auto bars = State().bars;
        return std::any_of(bars.begin(), bars.end(),
                           [](auto& bar) { return bar.name == "Zentrel2"; });
    }
};

// The copy of the built-in scheme and the bindings set after it are golden cases
// (setup-on-the-first-run, setup-copies-the-scheme-beside-an-earlier-copy).
TEST(ConnectTest, WithoutADataFolderTheBindingsAreLeftOutSilently) {
    Connected stuck(false);
    stuck.session.Platform().SetApplicationDataFolder("");
    stuck.Start();
    ASSERT_FALSE(stuck.AddInCommands().empty());
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
    EXPECT_FALSE(ide.HasToolbar());
    ide.connect.ResetCommands();
    EXPECT_EQ(ide.session.Recorded().messages.size(), 1u);
}

}  // namespace
}  // namespace e2e
