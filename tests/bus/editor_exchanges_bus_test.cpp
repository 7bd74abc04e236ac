// The exchanges with an editor on the real session bus: a scripted editor
// records what reaches it.
#include <gtest/gtest.h>

#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "platform/dbus/dbus_dde.h"
#include "platform/fake/fake_other_windows.h"
#include "tests/dde_test_editor.h"
#include "tests/editor_test_rig.h"
#include "tests/wait_until.h"

namespace orvo {
namespace {

using Record = std::vector<std::string>;
using test::DdeTestEditor;

class ExchangesOnTheBus : public ::testing::Test {
protected:
    Workbench w;
    FakeOtherWindows windows;

    ExchangesOnTheBus() {
        windows.open["EditorWindow"] = 1;
        w.mainPath = "/docs/";
        w.MainFileName = "paper.tex";
    }

    void requestProfile(const DdeTestEditor& editor) {
        test::useRequestProfile(w.editor, editor.service(), editor.topic());
        w.editor.EditorClassName = "EditorWindow";
    }

    // Everything the client sent before has been handled once this returns.
    static void sync(DBusDdeClient& client, const DdeTestEditor& editor) {
        ASSERT_TRUE(client.open(editor.service(), editor.topic()));
        ASSERT_EQ(client.request("orvo-test-sync"), "synced");
        client.close();
    }
};

TEST_F(ExchangesOnTheBus, TheSaveExchangeAsksAndSavesUnlessTheAnswerIsExactlyNo) {
    struct Case {
        const char* answer;
        Record record;
    };
    const Case cases[] = {
        {"FileChanged=Yes", {"request FileChanged", "execute FileSaveAll()"}},
        {"FileChanged=No", {"request FileChanged"}},
        {"FileChanged=no", {"request FileChanged", "execute FileSaveAll()"}},
        {"Other=1", {"request FileChanged", "execute FileSaveAll()"}},  // the query is refused
    };
    for (const Case& c : cases) {
        DdeTestEditor editor("system", {c.answer});
        ASSERT_TRUE(editor.ready());
        requestProfile(editor);
        DBusDdeClient client;
        EditorExchanges(w, {client, windows, {}}).save();
        sync(client, editor);
        EXPECT_EQ(editor.record(), c.record) << c.answer;
    }
}

TEST_F(ExchangesOnTheBus, AQueryThatTimesOutCountsAsChanged) {
    DdeTestEditor editor("system", {"FileChanged@1500=No"});
    ASSERT_TRUE(editor.ready());
    requestProfile(editor);
    DBusDdeClient client(300);
    EditorExchanges(w, {client, windows, {}}).save();
    DBusDdeClient patient;
    sync(patient, editor);
    EXPECT_TRUE(test::waitUntil([&] { return editor.record().size() == 2; }));
    EXPECT_EQ(editor.record(), (Record {"request FileChanged", "execute FileSaveAll()"}));
}

TEST_F(ExchangesOnTheBus, AnEditorThatIsNotRunningHearsNothing) {
    DdeTestEditor editor("system", {"FileChanged=Yes"});
    ASSERT_TRUE(editor.ready());
    requestProfile(editor);
    DBusDdeClient client;
    windows.open.clear();
    EditorExchanges exchanges(w, {client, windows, {}});
    exchanges.save();
    exchanges.saveAndQuit();
    exchanges.fetchBlock();
    sync(client, editor);
    EXPECT_TRUE(editor.record().empty());

    // A window of the class but nobody on the bus: skipped quietly.
    windows.open["EditorWindow"] = 1;
    w.editor.DDEEditService = test::uniqueServiceName("Gone");
    exchanges.save();
    exchanges.bringEditorToFront();
    EXPECT_TRUE(editor.record().empty());
}

TEST_F(ExchangesOnTheBus, QuitForegroundAndTheSpellCheckerNotice) {
    DdeTestEditor editor("system", {"FileChanged=No"});
    DdeTestEditor speller("forspell", {}, kSpellCheckerService);
    ASSERT_TRUE(editor.ready());
    ASSERT_TRUE(speller.ready());
    requestProfile(editor);
    DBusDdeClient client;
    EditorExchanges exchanges(w, {client, windows, {}});
    exchanges.bringEditorToFront();
    exchanges.saveAndQuit();
    exchanges.notifySpellChecker();
    EXPECT_TRUE(speller.record().empty()) << "no spell-checker window";
    windows.open[kSpellCheckerClass] = 1;
    w.CurrentFileName = "/docs/ch 1.tex";
    exchanges.notifySpellChecker();
    sync(client, editor);
    sync(client, speller);
    EXPECT_EQ(editor.record(), (Record {"execute AppWinActivate()", "request FileChanged",
                                        "execute FileSaveAndExit()"}));
    EXPECT_EQ(speller.record(), Record {"execute /docs/ch 1.tex"});
}

TEST_F(ExchangesOnTheBus, ABlockFetchInRequestModeCutsAsksAndPastes) {
    DdeTestEditor editor("system", {"FileChanged=Yes", "ReqFileName=/docs/ch 1.tex", "ReqLineNumber=120"});
    ASSERT_TRUE(editor.ready());
    requestProfile(editor);
    DBusDdeClient client;
    EXPECT_EQ(EditorExchanges(w, {client, windows, {}}).fetchBlock(), BlockRunStart::Now);
    sync(client, editor);
    EXPECT_EQ(editor.record(),
              (Record {"request FileChanged", "execute FileSaveAll()", "execute EditCutToClipbrd()",
                       "request ReqFileName", "request ReqLineNumber", "execute EditPasteClipbrdLine()"}));
    EXPECT_EQ(w.block.fileName, "/docs/ch 1.tex");
    EXPECT_EQ(w.block.lineNumber, "120");
}

TEST_F(ExchangesOnTheBus, ABlockFetchInExecuteModeOnlyExecutes) {
    DdeTestEditor editor("DDEServer");
    ASSERT_TRUE(editor.ready());
    test::useExecuteProfile(w.editor, editor.service(), editor.topic());
    w.editor.EditorClassName = "EditorWindow";
    const EditorProfile& p = w.editor;
    w.block = {"old", "7", false};
    DBusDdeClient client;
    EXPECT_EQ(EditorExchanges(w, {client, windows, {}}).fetchBlock(), BlockRunStart::WhenLineArrives);
    sync(client, editor);
    EXPECT_EQ(editor.record(), (Record {"execute [CMD(\"Save All\")]", "execute [CMD(\"Cut\")]",
                                        "execute " + p.DDEBlockFileName, "execute " + p.DDEBlockLineNumber,
                                        "execute [CMD(\"Paste\")]"}));
    EXPECT_EQ(w.block.fileName, "") << "the editor reports it to the forall topic";
    EXPECT_EQ(w.block.lineNumber, "");
}

}  // namespace
}  // namespace orvo
