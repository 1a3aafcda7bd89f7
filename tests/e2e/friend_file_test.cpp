// Friend File as the IDE runs it: through Exec, on the workbench over real files.
#include <gtest/gtest.h>

#include "session.h"

namespace e2e {
namespace {

std::string ActivePath(Session& session) {
    ide::Ref<ide::Document> active = session.Bench().ActiveDocument();
    return active ? active->FullName() : "";
}

// Runs the command, which never shows anything: no message, no beep, no cursor left behind.
void RunFriendFile(Session& session, const std::string& label = "") {
    const std::vector<std::string> messages = session.Recorded().messages;
    const int beeps = session.Recorded().beeps;
    EXPECT_TRUE(session.Exec("Zentrel2.FriendFile")) << label;
    EXPECT_EQ(session.Recorded().messages, messages) << label;
    EXPECT_EQ(session.Recorded().beeps, beeps) << label;
    EXPECT_EQ(session.Platform().WaitDepth(), 0) << label;
}

TEST(FriendFileTest, OpensTheFriendAndSwitchesBack) {
    Session session;
    const std::string header = session.Dir().Write("src/a.h", "int a();\n").string();
    const std::string source = session.Open("src/a.cpp", "int a() { return 1; }\n")->FullName();

    RunFriendFile(session);
    EXPECT_EQ(ActivePath(session), header);
    RunFriendFile(session);
    EXPECT_EQ(ActivePath(session), source);
    // Switching back finds the open document rather than opening it twice.
    EXPECT_EQ(session.Bench().DocumentStates().size(), 2u);
}

TEST(FriendFileTest, FindsTheFriendInTheSettingsDirectories) {
    Session session;
    session.App().Settings().friendFileDirectories = {"../none/", "../impl/"};
    const std::string source = session.Dir().Write("impl/a.cc", "").string();
    session.Open("inc/a.h", "int a();\n");

    RunFriendFile(session);
    EXPECT_EQ(ActivePath(session), source);
}

TEST(FriendFileTest, DoesNothingWithoutAFriend) {
    struct Case {
        std::string name, document, other;
    } cases[] = {
        {"no friend anywhere", "src/a.cpp", "src/b.h"},
        {"not a C/C++ document", "notes.txt", "notes.cpp"},
    };
    for (const Case& c : cases) {
        Session session;
        session.Dir().Write(c.other, "");
        const std::string document = session.Open(c.document, "x\n")->FullName();

        RunFriendFile(session, c.name);
        EXPECT_EQ(ActivePath(session), document) << c.name;
        EXPECT_EQ(session.Bench().DocumentStates().size(), 1u) << c.name;
    }
}

TEST(FriendFileTest, DoesNothingWithoutADocument) {
    Session session;
    RunFriendFile(session);
    EXPECT_TRUE(session.Bench().DocumentStates().empty());
}

}  // namespace
}  // namespace e2e
