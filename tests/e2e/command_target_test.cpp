// How the IDE's command executions and status queries reach the commands.
#include <gtest/gtest.h>

#include "host/command_table.h"
#include "session.h"

namespace e2e {
namespace {

TEST(ExecTest, MatchesFullNamesIgnoringCaseAndNothingElse) {
    struct Case {
        const char* name;
        bool handled;
        bool showsMenu;
    } cases[] = {
        {"Zentrel2.Menu", true, true},
        {"zentrel2.menu", true, true},
        {"ZENTREL2.MENU", true, true},
        {"Zentrel2.Menux", false, false},
        {"Zentrel2.Men", false, false},
        {"Menu", false, false},
        {"Zentrel.Menu", false, false},
        {"", false, false},
        // A template command is handed on, never reported as handled.
        {"zentrel2.codetempl_ForLoop", false, false},
        {"Zentrel2.CodeTempl_", false, false},
    };
    for (const Case& c : cases) {
        Session session;
        EXPECT_EQ(session.Exec(c.name), c.handled) << c.name;
        EXPECT_EQ(session.Recorded().menus.size(), c.showsMenu ? 1u : 0u) << c.name;
    }
}

TEST(ExecTest, EveryTableCommandIsHandledAndTheTableEndsInAZeroRow) {
    Session session;
    session.Open("a.txt", "text\n");
    for (std::size_t row = 0; row < host::kCommandCount; ++row) {
        const std::string name = std::string("Zentrel2.") + host::kCommandTable[row].name;
        EXPECT_TRUE(session.Exec(name)) << name;
    }
    const host::CommandDef& end = host::kCommandTable[host::kCommandCount];
    EXPECT_EQ(end.number, 0);
    EXPECT_EQ(end.name, nullptr);
    EXPECT_EQ(end.binding, nullptr);
}

TEST(ExecTest, OnlyTheDefaultExecuteOptionRunsAnything) {
    Session session;
    EXPECT_FALSE(session.Exec("Zentrel2.Menu", 1));
    EXPECT_FALSE(session.Exec("Zentrel2.Menu", 2));
    EXPECT_TRUE(session.Recorded().menus.empty());
}

TEST(QueryStatusTest, ReportsSupportedAndEnabledOnlyWhenNoTextIsWanted) {
    long status = 0;
    host::QueryStatus(0, status);
    EXPECT_EQ(status, 3);
    for (long wanted : {1L, 2L}) {
        long untouched = 12345;
        host::QueryStatus(wanted, untouched);
        EXPECT_EQ(untouched, 12345) << wanted;
    }
}

TEST(DispatchTest, KnowsExactlyTheCommandNumbers) {
    Session session;
    const int known[] = {0,     32769, 32770, 32772, 32774, 32776, 32778, 32780, 32782,
                         32784, 32786, 32790, 32792, 32794, 32796, 32798, 32800, 32802,
                         32804, 32806, 32808, 65001, 65002, 65003, 65004};
    for (int number : known)
        EXPECT_TRUE(session.Commands().Dispatch(number)) << number;
    for (int number : {-1, 1, 32768, 32771, 32788, 32810, 65000, 65005}) {
        EXPECT_FALSE(session.Commands().Dispatch(number)) << number;
    }
}

TEST(DispatchTest, TheTitleAndTheDismissedMenuDoNothing) {
    Session session;
    session.Open("a.cpp", "int x;\n");
    EXPECT_TRUE(session.Commands().Dispatch(0));
    EXPECT_TRUE(session.Commands().Dispatch(32770));
    EXPECT_TRUE(session.Recorded().menus.empty());
    EXPECT_TRUE(session.Recorded().messages.empty());
    EXPECT_EQ(session.Recorded().beeps, 0);
    EXPECT_FALSE(session.Bench().DocumentStates()[0].modified);
}

}  // namespace
}  // namespace e2e
