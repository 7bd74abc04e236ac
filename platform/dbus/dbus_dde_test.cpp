// Conversations over a real session bus with the scripted editor program and
// the shipped client.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>

#include "platform/dbus/dbus_dde.h"
#include "platform/dbus/dde_bus_names.h"
#include "tests/dde_test_editor.h"
#include "tests/run_program.h"
#include "tests/wait_until.h"

namespace orvo {
namespace {

using test::DdeTestEditor;

TEST(DdeBusNames, ManglesServiceAndTopicIntoBusNamesAndPaths) {
    struct Case {
        const char* name;
        const char* part;
    };
    for (const Case& c : {Case {"Orvo", "orvo"}, Case {"WinEdt", "winedt"}, Case {"PFE32", "pfe32"},
                          Case {"forall", "forall"}, Case {"FORALL", "forall"}, Case {"my-editor.2", "my_editor_2"},
                          Case {"32bit", "_32bit"}, Case {"a_b", "a_b"}, Case {"", ""}}) {
        EXPECT_EQ(ddeNamePart(c.name), c.part) << c.name;
    }
    EXPECT_EQ(ddeBusName("Orvo"), "org.orvo.Dde.orvo");
    EXPECT_EQ(ddeObjectPath("forall"), "/forall");
}

TEST(DBusDde, ExecutesAndRequestsReachTheServerInOrder) {
    DdeTestEditor editor("Editor", {"FileName=/docs/a b.tex", "Empty="});
    ASSERT_TRUE(editor.ready());
    DBusDdeClient client;
    ASSERT_TRUE(client.open(editor.service(), "editor"));  // topics are matched without regard to case
    client.execute("FileSaveAll()");
    client.execute("two\nlines");
    EXPECT_EQ(client.request("FileName"), "/docs/a b.tex");
    EXPECT_EQ(client.request("Empty"), "");
    EXPECT_EQ(client.request("Unknown"), std::nullopt) << "an item the server refuses";
    client.close();
    EXPECT_EQ(editor.record(), (std::vector<std::string> {"execute FileSaveAll()", "execute two\\nlines",
                                                          "request FileName", "request Empty", "request Unknown"}));
}

TEST(DBusDde, OpenFailsQuietlyForAServiceOrTopicThatIsNotOffered) {
    DdeTestEditor editor("editor");
    ASSERT_TRUE(editor.ready());
    DBusDdeClient client;
    EXPECT_FALSE(client.open(test::uniqueServiceName("Nobody"), "editor"));
    EXPECT_FALSE(client.open(editor.service(), "other"));
    client.execute("lost");
    EXPECT_EQ(client.request("lost"), std::nullopt);
    ASSERT_TRUE(client.open(editor.service(), "editor"));
    client.close();
    client.execute("after close");
    EXPECT_EQ(client.request("after close"), std::nullopt);
    EXPECT_TRUE(editor.record().empty());
}

TEST(DBusDde, ARequestGivesUpAtItsLimit) {
    DdeTestEditor editor("editor", {"Slow@1500=late"});
    ASSERT_TRUE(editor.ready());
    DBusDdeClient client(300);
    ASSERT_TRUE(client.open(editor.service(), "editor"));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.request("Slow"), std::nullopt);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_LT(waited, std::chrono::milliseconds(1200));
}

TEST(DBusDde, TheDefaultRequestLimitIsTenSeconds) {
    DdeTestEditor editor("editor", {"Slow@11000=late"});
    ASSERT_TRUE(editor.ready());
    DBusDdeClient client;
    ASSERT_TRUE(client.open(editor.service(), "editor"));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.request("Slow"), std::nullopt);
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(waited.count(), 9500);
    EXPECT_LT(waited.count(), 10900);
}

TEST(DBusDde, AServiceIsOfferedOnlyOnce) {
    DdeTestEditor editor("editor");
    ASSERT_TRUE(editor.ready());
    struct Quiet : DdeTopic {
        void execute(const std::string&) override {}
    } topic;
    DBusDdeServer server;
    EXPECT_FALSE(server.offer(editor.service(), "editor", topic));
    EXPECT_TRUE(server.offer(test::uniqueServiceName("Second"), "forall", topic));
}

TEST(Orvodde, ExecutesAndRequestsFromTheCommandLine) {
    DdeTestEditor editor("forall", {"LineNumber=12"});
    ASSERT_TRUE(editor.ready());
    std::string client = test::orvoddeProgram();
    test::ProgramRun run = test::runProgram({client, "execute", editor.service(), "forall", "%FILE:/a b/c.tex"}, "/");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(editor.record(), std::vector<std::string> {"execute %FILE:/a b/c.tex"}) << "handled before it returned";
    run = test::runProgram({client, "request", editor.service(), "FORALL", "LineNumber"}, "/");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "12\n");
    run = test::runProgram({client, "request", editor.service(), "forall", "Nothing"}, "/");
    EXPECT_EQ(run.status, 1);
}

TEST(Orvodde, ReportsAServerThatIsNotRunningAndAWrongCommandLine) {
    std::string client = test::orvoddeProgram();
    test::ProgramRun run = test::runProgram({client, "execute", test::uniqueServiceName("Nobody"), "forall", "x"}, "/");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("is not running"), std::string::npos) << run.output;
    run = test::runProgram({client, "execute", "orvo", "forall", "x"}, "/", {{"DBUS_SESSION_BUS_ADDRESS", ""}});
    EXPECT_EQ(run.status, 1) << "no session bus: not running";
    EXPECT_EQ(test::runProgram({client, "poke", "a", "b", "c"}, "/").status, 2);
    EXPECT_EQ(test::runProgram({client, "request", "a", "b"}, "/").status, 2);
}

}  // namespace
}  // namespace orvo

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
