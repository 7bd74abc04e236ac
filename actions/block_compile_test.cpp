#include "actions/block_compile.h"

#include <gtest/gtest.h>

#include <set>

#include "core/workbench.h"
#include "editor/editor_exchanges.h"
#include "jobs/launcher.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_dde.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_process_launcher.h"
#include "platform/fake/fake_user_interaction.h"
#include "tests/editor_test_rig.h"
#include "tests/fake_main_window_view.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

class RecordingLinesView : public BlockLinesView {
public:
    std::vector<std::string> shown;
    bool visible = false;
    void showLinesRead(const std::vector<std::string>& lines) override {
        shown = lines;
        visible = true;
    }
    void removeLinesRead() override { visible = false; }
};

std::string preambleOf(int lines) {
    std::string text;
    for (int i = 1; i < lines; ++i) text += "\\usepackage{p" + std::to_string(i) + "}\n";
    return text + "\\begin{document}\n";
}

class BlockCompileTest : public ::testing::Test, protected test::EditorRig {
protected:
    FakeClipboard clipboard;
    FakeMainWindowView view;
    RecordingLinesView lines;
    BlockCompile blockCompile {w, {files, clipboard, launcher, ui, view, exchanges, lines}};

    BlockCompileTest() {
        w.MainFileName = "PAPER.TEX";
        w.OrvoBTMDir = "/opt/orvo/";
        w.batchExtension = "BTM";
        w.FourDosProgram = "/opt/orvo/orvocmd";
        w.FourDosOptions = "/c";
        w.RunDosWindow = false;
        w.FormatName = "LATEX";
        w.BlockMarker = "\\begin{document}";
        w.EndBlockMarker = "\\end{document}";
        w.Viewer = "xdvi";
        w.block = {"/docs/ch1.tex", "120", false};
        clipboard.content = "Block line one\nline two";
    }
    std::string file(const std::string& name) const {
        auto it = files.files.find("/docs/" + name);
        return it == files.files.end() ? std::string("<none>") : it->second;
    }
};

TEST_F(BlockCompileTest, ThePreambleTheBlockAndTheEndLineGoToTheDumpFiles) {
    files.addFile("/docs/PAPER.TEX", preambleOf(12) + "Body\n\\end{document}\n");
    w.jobs.compileBusy = true;
    blockCompile.run();
    std::string expected;
    for (int i = 1; i < 12; ++i) expected += "\\usepackage{p" + std::to_string(i) + "}\r\n";
    expected += "\\begin{document}\r\nBlock line one\r\nline two\r\n\\end{document}\r\n";
    EXPECT_EQ(file("_DUMP_.TEX"), expected);
    EXPECT_EQ(file("_DUMP_.SET"),
              "VIEWER=xdvi\r\nSTARTLINE=12\r\nBLOCKLINENUMBER=120\r\nBLOCKFILENAME=/docs/ch1.tex\r\n");
    ASSERT_EQ(processes.starts.size(), 1u);
    EXPECT_EQ(processes.starts[0].argv,
              (Words {"/opt/orvo/orvocmd", "/c", "/opt/orvo/BLCKCOMP.BTM", "PAPER.TEX", "NODEVIRT", "LATEX"}));
    EXPECT_EQ(files.current, "/docs");
    EXPECT_EQ(w.workFiles.paths(), (std::set<std::string> {"/docs/_DUMP_.SET", "/docs/_DUMP_.TEX"}))
        << "both go when the workbench leaves the folder";
}

TEST_F(BlockCompileTest, TheMarkerIsFoundInAnyCaseAnywhereOnItsLine) {
    struct Case {
        const char* main;
        std::size_t startLine;
    };
    for (const Case& c : {Case {"a\r\n% x \\BEGIN{DOCUMENT} y\r\nb\r\n", 2}, Case {"a\nb\n\\begin{document}", 3},
                          Case {"\\begin{document}\n", 1}}) {
        Preamble preamble = readPreamble(c.main, "\\begin{document}");
        EXPECT_TRUE(preamble.found) << c.main;
        EXPECT_EQ(preamble.lines.size(), c.startLine) << c.main;
    }
    Preamble preamble = readPreamble("a\r\n% x \\BEGIN{DOCUMENT} y\r\nb\r\n", "\\begin{document}");
    EXPECT_EQ(preamble.lines.back(), "% x \\BEGIN{DOCUMENT} y") << "the whole line, without its CR";
}

TEST_F(BlockCompileTest, AnEmptyOrLineEndedClipboardGivesNoEmptyLine) {
    Preamble preamble {{"\\begin{document}"}, true};
    EXPECT_EQ(blockDumpText(preamble, "", "\\end{document}"), "\\begin{document}\r\n\\end{document}\r\n");
    EXPECT_EQ(blockDumpText(preamble, "x\r\n", "E"), "\\begin{document}\r\nx\r\nE\r\n");
    EXPECT_EQ(blockDumpText(preamble, "x\ry\n\nz", "E"), "\\begin{document}\r\nx\r\ny\r\n\r\nz\r\nE\r\n");
}

TEST_F(BlockCompileTest, AMissingMarkerShowsTheLinesReadAndWritesNothing) {
    files.addFile("/docs/PAPER.TEX", "one\ntwo\n");
    files.addFile("/docs/_DUMP_.TEX", "old dump");
    w.messageTexts[22] = "Marker $s not found";
    w.jobs.compileBusy = true;
    view.onTop = true;
    blockCompile.run();
    EXPECT_EQ(lines.shown, (Words {"one", "two"}));
    EXPECT_FALSE(lines.visible) << "removed after the box";
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Marker \\begin{document} not found");
    EXPECT_EQ(ui.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(view.count("setStayOnTop 0"), 1);
    EXPECT_TRUE(view.stayOnTop());
    EXPECT_EQ(file("_DUMP_.TEX"), "old dump");
    EXPECT_EQ(file("_DUMP_.SET"), "<none>");
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_FALSE(w.jobs.compileBusy) << "Compile can be pressed again";
}

TEST_F(BlockCompileTest, AnUnreadableMainFileOrAFailedWriteStartsNothing) {
    w.jobs.compileBusy = true;
    blockCompile.run();
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_FALSE(w.jobs.compileBusy);

    files.addFile("/docs/PAPER.TEX", preambleOf(1));
    files.failWrites = true;
    blockCompile.run();
    EXPECT_EQ(ui.shown.size(), 2u);
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_TRUE(w.workFiles.paths().empty()) << "nothing written, nothing to remove";
}

TEST_F(BlockCompileTest, TheViewerSettingAndTheDevirtualizeArgument) {
    w.AlwaysDevirtualize = true;
    EXPECT_EQ(blockCompileCommand(w).line, "/opt/orvo/BLCKCOMP.BTM PAPER.TEX DEVIRT LATEX");
    struct Case {
        const char* viewer;
        const char* setting;
    };
    for (const Case& c : {Case {"GSVIEW.BTM", "/opt/orvo/GSVIEW.BTM"}, Case {"show.bat", "/opt/orvo/show.bat"},
                          Case {"/own/GSVIEW.BTM", "/own/GSVIEW.BTM"}, Case {"WINDVI.EXE", "WINDVI.EXE"},
                          Case {"xdvi", "xdvi"}}) {
        w.Viewer = c.viewer;
        EXPECT_EQ(blockSettingsText(w, 3).substr(0, blockSettingsText(w, 3).find('\r')),
                  std::string("VIEWER=") + c.setting);
    }
    w.block = {"", "", false};
    EXPECT_NE(blockSettingsText(w, 3).find("\r\nBLOCKLINENUMBER=\r\nBLOCKFILENAME=\r\n"), std::string::npos);
}

TEST_F(BlockCompileTest, ARequestRunsAtOnceInRequestModeWithThePreviousValues) {
    files.addFile("/docs/PAPER.TEX", preambleOf(2));
    w.editor.DDEBlockLineNumberMode = "Request";  // no cut command: no conversation
    blockCompile.request();
    EXPECT_EQ(w.jobs.originatingDialog, 1);
    EXPECT_TRUE(dde.log.empty());
    EXPECT_EQ(processes.starts.size(), 1u);
    EXPECT_NE(file("_DUMP_.SET").find("BLOCKLINENUMBER=120"), std::string::npos);
}

TEST_F(BlockCompileTest, InExecuteModeTheRequestLeavesTheRunToTheEditor) {
    files.addFile("/docs/PAPER.TEX", preambleOf(2));
    w.editor.DDEBlockLineNumberMode = "Execute";
    w.jobs.compileBusy = true;
    blockCompile.request();
    EXPECT_TRUE(processes.starts.empty());
    EXPECT_FALSE(w.jobs.compileBusy) << "an editor that never reports must not lock Compile";
}

}  // namespace
}  // namespace orvo
