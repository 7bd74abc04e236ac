// Emacs with the shipped adapter, as a daemon on the test's session bus,
// driven by the exchanges with the shipped Emacs profile.
#include <gtest/gtest.h>

#include <memory>

#include "core/text.h"
#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "editor/known_editors.h"
#include "platform/dbus/dbus_dde.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "tests/bus/recording_dde_client.h"
#include "tests/dde_test_editor.h"
#include "tests/orvo_process.h"
#include "tests/run_program.h"
#include "tests/temp_dir.h"
#include "tests/wait_until.h"

namespace orvo {
namespace {

using Log = std::vector<std::string>;

class EmacsAdapter : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string service = test::uniqueServiceName("Emacs");
    std::unique_ptr<test::OrvoProcess> emacs;
    Workbench w;
    FakeOtherWindows windows;
    DBusDdeClient bus;
    test::RecordingDdeClient client {bus};

    void SetUp() override {
        std::string program = trim(test::runProgram({"sh", "-c", "command -v emacs"}, "/").output);
        if (program.empty()) GTEST_SKIP() << "emacs is not installed (scripts/install-deps installs emacs-nox)";
        emacs = std::make_unique<test::OrvoProcess>(
            program,
            std::vector<std::string> {"--fg-daemon=" + socket(), "-Q", "--eval",
                                      "(setq orvo-dde-service \"" + service + "\")", "-l",
                                      test::stageFolder() + "orvo-dde.el"},
            std::map<std::string, std::string> {{"HOME", dir.path()}});
        ASSERT_TRUE(test::waitUntil([&] { return bus.open(service, "Editor"); }, 30000)) << emacs->output();
        bus.close();
        // The adapter offers its service before Emacs's server has its socket.
        ASSERT_TRUE(test::waitUntil([&] { return test::pathExists(socket()); }, 30000)) << emacs->output();

        FakeFileSystem files;
        w.editor = knownEditorProfile(*findKnownEditor("Emacs"), "emacs", w, files).profile;
        w.editor.DDEEditService = w.editor.DDEBlockService = service;
        windows.open[w.editor.EditorClassName] = 1;
    }

    std::string socket() const { return dir.path() + "sock"; }

    // Evaluates `lisp` in the daemon; its printed value.
    std::string eval(const std::string& lisp) {
        return trim(test::runProgram({"emacsclient", "-s", socket(), "--eval", lisp}, "/").output);
    }
    void visit(const std::string& path, const std::string& afterwards) {
        ASSERT_EQ(eval("(progn (switch-to-buffer (find-file-noselect \"" + path + "\")) " + afterwards + " t)"), "t");
    }
    std::optional<std::string> ask(const std::string& item) {
        bus.open(service, "Editor");
        return bus.request(item);
    }
};

TEST_F(EmacsAdapter, TheSaveExchangeSavesAModifiedBufferAndLeavesAnUnmodifiedOneAlone) {
    std::string path = dir.write("a.tex", "first\n");
    visit(path, "(goto-char (point-max)) (insert \"added\\n\")");
    EditorExchanges exchanges(w, {client, windows, {}});

    exchanges.save();
    EXPECT_EQ(ask("Changed"), "No") << "saved by the time the next request is answered";
    EXPECT_EQ(dir.read("a.tex"), "first\nadded\n");
    EXPECT_EQ(client.log, (Log {"open " + service + " Editor", "request Changed -> Yes", "execute SaveAll"}));

    client.log.clear();
    exchanges.save();
    EXPECT_EQ(client.log, (Log {"open " + service + " Editor", "request Changed -> No"}));
}

TEST_F(EmacsAdapter, ABlockFetchCutsAndPastesTheRegionAndReportsItsFileAndFirstLine) {
    std::string path = dir.write("b.tex", "l1\nl2\nl3\nl4\nl5\n");
    visit(path, "(goto-char (point-min)) (forward-line 2) (set-mark (point)) (forward-line 2) (activate-mark)");
    w.block = {"old", "old", true};
    EXPECT_EQ(EditorExchanges(w, {client, windows, {}}).fetchBlock(), BlockRunStart::Now);
    EXPECT_EQ(w.block.fileName, path);
    EXPECT_EQ(w.block.lineNumber, "3");
    EXPECT_EQ(client.log,
              (Log {"open " + service + " Editor", "request Changed -> No", "open " + service + " Editor",
                    "execute CutRegion", "open " + service + " Editor", "request FileName -> " + path,
                    "open " + service + " Editor", "request LineNumber -> 3", "open " + service + " Editor",
                    "execute PasteRegion"}));
    ask("Changed");  // the paste has been handled
    EXPECT_EQ(eval("(equal (current-kill 0 t) \"l3\\nl4\\n\")"), "t") << "the block is on the kill ring";
    EXPECT_EQ(eval("(with-current-buffer (window-buffer (selected-window))"
                   " (equal (buffer-substring-no-properties (point-min) (point-max)) \"l1\\nl2\\nl3\\nl4\\nl5\\n\"))"),
              "t")
        << "and back in the document";
}

TEST_F(EmacsAdapter, TheQuitExchangeSavesAndEndsEmacs) {
    std::string path = dir.write("c.tex", "one\n");
    visit(path, "(insert \"zero\\n\")");
    EditorExchanges(w, {client, windows, {}}).saveAndQuit();
    EXPECT_EQ(emacs->waitForExit(20000), 0) << emacs->output();
    EXPECT_EQ(dir.read("c.tex"), "zero\none\n");
    EXPECT_EQ(client.log.back(), "execute SaveAndQuit");
}

}  // namespace
}  // namespace orvo
