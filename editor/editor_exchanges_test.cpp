#include "editor/editor_exchanges.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "platform/fake/fake_dde.h"
#include "platform/fake/fake_other_windows.h"
#include "tests/editor_test_rig.h"

namespace orvo {
namespace {

using Log = std::vector<std::string>;

class EditorExchangesTest : public ::testing::Test {
protected:
    Workbench w;
    FakeDdeClient dde;
    FakeOtherWindows windows;
    int pendingEventRuns = 0;
    EditorExchanges exchanges {w, {dde, windows, [this] { ++pendingEventRuns; }}};

    EditorExchangesTest() {
        test::useRequestProfile(w.editor, "med", "system");
        w.mainPath = "/docs/";
        w.MainFileName = "paper.tex";
    }
    void runEditor() {
        windows.open[w.editor.EditorClassName] = 1;
        dde.addServer(w.editor.DDEEditService, w.editor.DDEEditTopic);
    }
};

TEST_F(EditorExchangesTest, TheSaveExchangeSavesUnlessTheEditorAnswersExactlyNo) {
    struct Case {
        const char* name;
        std::optional<std::string> answer;
        bool saved;
    };
    const Case cases[] = {
        {"changed", "Yes", true},
        {"nothing changed", "No", false},
        {"lower case is not No", "no", true},
        {"No with a blank is not No", "No ", true},
        {"an empty answer", "", true},
        {"a failed or timed-out query", std::nullopt, true},
    };
    runEditor();
    for (const Case& c : cases) {
        dde.log.clear();
        dde.replies["FileChanged"] = c.answer;
        exchanges.save();
        Log expected {"open med system", "request FileChanged"};
        if (c.saved) expected.push_back("execute FileSaveAll()");
        expected.push_back("close");
        EXPECT_EQ(dde.log, expected) << c.name;
    }
}

TEST_F(EditorExchangesTest, WithoutAChangeQueryEverySaveExecutesTheSaveCommand) {
    test::useExecuteProfile(w.editor, "WinEdt", "DDEServer");
    runEditor();
    exchanges.save();
    EXPECT_EQ(dde.log, (Log {"open WinEdt DDEServer", "execute [CMD(\"Save All\")]", "close"}));
}

TEST_F(EditorExchangesTest, NoConversationWithoutARunningEditorOrASaveCommand) {
    dde.addServer("med", "system");
    exchanges.save();
    exchanges.saveAndQuit();
    EXPECT_TRUE(dde.log.empty()) << "no editor window";

    windows.open["MedWindow"] = 1;
    w.editor.DDEEditSaveCommand.clear();
    exchanges.save();
    exchanges.autoSaveTick();
    exchanges.saveAndQuit();
    EXPECT_TRUE(dde.log.empty()) << "no save command";
}

TEST_F(EditorExchangesTest, AnEditorThatDoesNotAnswerEndsTheExchangeQuietly) {
    windows.open["MedWindow"] = 1;  // a window, but no server
    exchanges.save();
    exchanges.saveAndQuit();
    EXPECT_EQ(dde.log, (Log {"open med system", "open med system"}));
}

TEST_F(EditorExchangesTest, TheSpellCheckerHearsOfTheCurrentFileOrElseTheMainFile) {
    dde.addServer("OrvoSpell", "forspell");
    exchanges.notifySpellChecker();
    EXPECT_TRUE(dde.log.empty()) << "spell-checker not running";
    EXPECT_EQ(pendingEventRuns, 0);

    windows.open["TForm22"] = 1;
    exchanges.notifySpellChecker();
    w.CurrentFileName = "/docs/ch1.tex";
    exchanges.notifySpellChecker();
    EXPECT_EQ(dde.log, (Log {"open OrvoSpell forspell", "execute /docs/paper.tex", "close", "open OrvoSpell forspell",
                             "execute /docs/ch1.tex", "close"}));
    EXPECT_EQ(pendingEventRuns, 2);
}

TEST_F(EditorExchangesTest, ABeforeJobSaveAndTheAutomaticSaveAlsoNotifyTheSpellChecker) {
    runEditor();
    windows.open["TForm22"] = 1;
    dde.addServer("OrvoSpell", "forspell");
    dde.replies["FileChanged"] = "Yes";
    const Log expected {"open med system",         "request FileChanged",     "execute FileSaveAll()", "close",
                        "open OrvoSpell forspell", "execute /docs/paper.tex", "close"};
    exchanges.saveBeforeJob();
    EXPECT_EQ(dde.log, expected);
    dde.log.clear();
    exchanges.autoSaveTick();
    EXPECT_EQ(dde.log, expected);
}

TEST_F(EditorExchangesTest, TheQuitExchangeSavesThenQuits) {
    runEditor();
    dde.replies["FileChanged"] = "No";
    exchanges.saveAndQuit();
    EXPECT_EQ(dde.log, (Log {"open med system", "request FileChanged", "execute FileSaveAndExit()", "close"}));

    dde.log.clear();
    w.editor.DDEEditQuit.clear();  // an editor without a quit command stays
    dde.replies["FileChanged"] = "Yes";
    exchanges.saveAndQuit();
    EXPECT_EQ(dde.log, (Log {"open med system", "request FileChanged", "execute FileSaveAll()", "close"}));
}

TEST_F(EditorExchangesTest, TheForegroundExchangeExecutesTheForegroundCommand) {
    runEditor();
    exchanges.bringEditorToFront();
    EXPECT_EQ(dde.log, (Log {"open med system", "execute AppWinActivate()", "close"}));
}

TEST_F(EditorExchangesTest, ABlockFetchInRequestModeCutsAsksAndPastesThenRunsAtOnce) {
    runEditor();
    dde.replies["FileChanged"] = "No";
    dde.replies["ReqFileName"] = " /docs/ch1.tex ";
    dde.replies["ReqLineNumber"] = "120";
    w.block = {"old.tex", "7", true};
    EXPECT_EQ(exchanges.fetchBlock(), BlockRunStart::Now);
    EXPECT_EQ(dde.log, (Log {"open med system", "request FileChanged", "close",  //
                             "open med system", "execute EditCutToClipbrd()", "close",
                             "open med system", "request ReqFileName", "close",  //
                             "open med system", "request ReqLineNumber", "close",
                             "open med system", "execute EditPasteClipbrdLine()", "close"}));
    EXPECT_EQ(w.block.fileName, " /docs/ch1.tex ") << "stored as it arrived";
    EXPECT_EQ(w.block.lineNumber, "120");
    EXPECT_FALSE(w.block.runStarted);
}

// Each value is one line of _DUMP_.SET: only an answer's first line counts,
// as with the names the editor reports to the "forall" topic.
TEST_F(EditorExchangesTest, OnlyTheFirstLineOfABlockAnswerCounts) {
    struct Case {
        const char* answer;
        const char* value;
    };
    const Case cases[] = {
        {"/docs/ch1.tex\r\nBLOCKFILENAME=other", "/docs/ch1.tex"},
        {"/docs/ch1.tex\n", "/docs/ch1.tex"},
        {"/docs/a\rb.tex", "/docs/a"},
        {"\n120", ""},
    };
    for (const Case& c : cases) {
        runEditor();
        dde.replies["ReqFileName"] = c.answer;
        dde.replies["ReqLineNumber"] = c.answer;
        exchanges.fetchBlock();
        EXPECT_EQ(w.block.fileName, c.value) << c.answer;
        EXPECT_EQ(w.block.lineNumber, c.value) << c.answer;
    }
}

TEST_F(EditorExchangesTest, AFailedBlockRequestLeavesItsValueEmpty) {
    runEditor();
    dde.replies["ReqFileName"] = std::nullopt;
    w.block = {"old.tex", "7", false};
    exchanges.fetchBlock();
    EXPECT_EQ(w.block.fileName, "");
    EXPECT_EQ(w.block.lineNumber, "");
}

TEST_F(EditorExchangesTest, ABlockFetchInExecuteModeLeavesTheRunToTheEditorsLineMacro) {
    test::useExecuteProfile(w.editor, "WinEdt", "DDEServer");
    runEditor();
    dde.onExecute = [this](const std::string& command) {
        // The editor reports back at once, before the fetch goes on.
        if (command.find("%%LINE") != std::string::npos) w.block.runStarted = true;
    };
    EXPECT_EQ(exchanges.fetchBlock(), BlockRunStart::WhenLineArrives);
    EXPECT_EQ(dde.log, (Log {"open WinEdt DDEServer", "execute [CMD(\"Save All\")]", "close",
                             "open WinEdt DDEServer", "execute [CMD(\"Cut\")]", "close",
                             "open WinEdt DDEServer", "execute " + w.editor.DDEBlockFileName, "close",
                             "open WinEdt DDEServer", "execute " + w.editor.DDEBlockLineNumber, "close",
                             "open WinEdt DDEServer", "execute [CMD(\"Paste\")]", "close"}));
    EXPECT_TRUE(w.block.runStarted) << "the fetch does not clear what the macro set";
}

TEST_F(EditorExchangesTest, WithoutACutCommandTheBlockKeepsThePreviousValuesAndNothingIsSaid) {
    runEditor();
    w.editor.DDEBlockCutCommand.clear();
    w.block = {"prev.tex", "12", true};
    EXPECT_EQ(exchanges.fetchBlock(), BlockRunStart::Now);
    EXPECT_TRUE(dde.log.empty());
    EXPECT_EQ(w.block.fileName, "prev.tex");
    EXPECT_EQ(w.block.lineNumber, "12");
    EXPECT_FALSE(w.block.runStarted) << "every request clears the run flag";
}

TEST_F(EditorExchangesTest, ABlockFetchWithTheEditorGoneClearsTheValuesWithoutTalking) {
    dde.addServer("med", "system");
    w.block = {"prev.tex", "12", false};
    exchanges.fetchBlock();
    EXPECT_TRUE(dde.log.empty());
    EXPECT_EQ(w.block.fileName, "prev.tex") << "the file name is cleared only with a running editor";
    EXPECT_EQ(w.block.lineNumber, "");
}

}  // namespace
}  // namespace orvo
