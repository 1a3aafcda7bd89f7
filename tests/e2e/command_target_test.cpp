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
    } cases[] = {
        {"zentrel2.MENU", true},
        {"Zentrel2.Menux", false},
        {"Zentrel2.Men", false},
        // A template command is handed on, never reported as handled.
        {"zentrel2.codetempl_ForLoop", false},
    };
    for (const Case& c : cases) {
        Session session;
        EXPECT_EQ(session.Exec(c.name), c.handled) << c.name;
        EXPECT_EQ(session.Recorded().menus.size(), c.handled ? 1u : 0u) << c.name;
    }
    Session session;
    session.Open("a.txt", "text\n");
    for (std::size_t row = 0; row < host::kCommandCount; ++row) {
        const std::string name = std::string("Zentrel2.") + host::kCommandTable[row].name;
        EXPECT_TRUE(session.Exec(name)) << name;
    }
}

TEST(ExecTest, OnlyTheDefaultExecuteOptionRunsAnything) {
    Session session;
    EXPECT_FALSE(session.Exec("Zentrel2.Menu", 1));
    EXPECT_FALSE(session.Exec("Zentrel2.Menu", 2));
    EXPECT_TRUE(session.Recorded().menus.empty());
}

TEST(QueryStatusTest, ReportsSupportedAndEnabledOnlyWhenNoTextIsWanted) {
    for (long wanted : {0L, 1L, 2L}) {
        long status = 12345;
        host::QueryStatus(wanted, status);
        EXPECT_EQ(status, wanted == 0 ? 3 : 12345) << wanted;
    }
}

TEST(DispatchTest, KnowsExactlyTheCommandNumbersAndTheTitleDoesNothing) {
    Session session;
    const int known[] = {0,     32769, 32770, 32772, 32774, 32776, 32778, 32780, 32782,
                         32784, 32786, 32790, 32792, 32794, 32796, 32798, 32800, 32802,
                         32804, 32806, 32808, 65001, 65002, 65003, 65004};
    for (int number : known)
        EXPECT_TRUE(session.Commands().Dispatch(number)) << number;
    for (int number : {-1, 32768, 32771, 32810, 65005})
        EXPECT_FALSE(session.Commands().Dispatch(number)) << number;

    // The dismissed menu (0) and the title (32770) leave the document alone.
    Session quiet;
    quiet.Open("a.cpp", "int x;\n");
    EXPECT_TRUE(quiet.Commands().Dispatch(0));
    EXPECT_TRUE(quiet.Commands().Dispatch(32770));
    EXPECT_TRUE(quiet.Recorded().menus.empty());
    EXPECT_TRUE(quiet.Recorded().messages.empty());
    EXPECT_FALSE(quiet.Bench().DocumentStates()[0].modified);
}

}  // namespace
}  // namespace e2e
