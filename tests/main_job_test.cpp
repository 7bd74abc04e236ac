// The main job as a user runs it: Compile, Preview, Print and Log file on the
// shipped sample, through the real run operation, the staged orvocmd and
// scripts, TeX Live and the console window's logic with its Qt window.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <fstream>

#include "actions/main_file_actions.h"
#include "core/main_window_shell.h"
#include "core/workbench.h"
#include "core/printer_option_file.h"
#include "platform/fake/fake_environment.h"
#include "tests/fake_main_window_view.h"
#include "tests/event_wait.h"
#include "tests/staged_console_rig.h"

namespace orvo {
namespace {


class MainJob : public testing::Test, protected test::StagedConsoleRig {
protected:
    MainJob() {
        Workbench& w = workbench;
        w.OrvoSelectionsOptionsDir = test::stageFolder();
        w.Web2cBINDir = "/usr/bin/";
        w.mainPath = temp.path();
        w.MainFileName = "latexsample.tex";
        w.dviFileName = temp.path() + "latexsample.DVI";
        w.FormatName = "&web2cbin/latex";
        std::ifstream sample(test::stageFolder() + "samples/latexsample.tex");
        temp.write("latexsample.tex", std::string(std::istreambuf_iterator<char>(sample), {}));
    }
    ~MainJob() override { console.close(); }

    // A program that writes the arguments it was started with into `record`.
    std::string recordingProgram(const std::string& name, const std::string& record) {
        // Written aside and renamed, so the record is whole once it exists.
        std::string path = temp.write(
            name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + ".part' && mv '" + record + ".part' '" + record + "'\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    void compile() {
        workbench.jobs.compileBusy = true;  // as the Compile button does
        actions.compile();
        ASSERT_TRUE(test::waitWithEvents([&] { return !workbench.jobs.compileBusy; })) << "the compile never ended";
        ASSERT_TRUE(test::waitWithEvents([&] { return !console.jobRunning(); }));
    }
    std::string read(const std::string& name) { return test::pathExists(temp.path() + name) ? temp.read(name) : "<none>"; }

    FakeEnvironment environment;  // no COMSPEC: the direct compile takes orvocmd too
    FakeMainWindowView view;
    NullMainWindowShell shell;
    MainFileActions actions {workbench, {launcher, files, ui, view, environment, shell, &console}};
};

TEST_F(MainJob, CompileMakesTheDviInScriptModeAndInDirectMode) {
    for (bool scriptMode : {true, false}) {
        SCOPED_TRACE(scriptMode ? "script mode" : "direct mode");
        std::remove((temp.path() + "latexsample.dvi").c_str());
        workbench.CompileUseBTM = scriptMode;
        compile();
        EXPECT_TRUE(test::pathExists(temp.path() + "latexsample.dvi"));
        EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
        ASSERT_GT(console.output().lineCount(), 3u);
        EXPECT_EQ(test::currentFolder(), temp.path()) << "the compile ran in the main folder";
    }
}

TEST_F(MainJob, DocumentsNamedLikeMarkersOrOptionsCompileUnderTheirOwnNamesAndRunNothingElse) {
    // A script the first name mentions; it must never run.
    temp.write("evil.btm", "touch '" + temp.path() + "EVIL-RAN'\n");
    for (const char* name : {"x&4DOS evil.btm .tex", "y&NOREDIR z.tex", "-leading.tex", "R&4dos.tex"}) {
        for (bool scriptMode : {true, false}) {
            SCOPED_TRACE(std::string(name) + (scriptMode ? ", script mode" : ", direct mode"));
            std::string base = std::string(name).substr(0, std::string(name).rfind('.'));
            std::remove((temp.path() + base + ".dvi").c_str());
            temp.write(name, "\\documentclass{article}\n\\begin{document}\nNamed.\n\\end{document}\n");
            workbench.MainFileName = name;
            workbench.CompileUseBTM = scriptMode;
            compile();
            EXPECT_TRUE(test::pathExists(temp.path() + base + ".dvi"));
            EXPECT_FALSE(test::pathExists(temp.path() + "EVIL-RAN"));
            EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
        }
    }
}

TEST_F(MainJob, PreviewPrintToAFileAndTheLogFileWorkOnTheCompiledDocument) {
    workbench.CompileUseBTM = true;
    compile();
    ASSERT_TRUE(test::pathExists(temp.path() + "latexsample.dvi"));

    workbench.Viewer = recordingProgram("viewer", temp.path() + "viewer-args");
    actions.preview();
    ASSERT_TRUE(test::waitWithEvents([&] { return test::pathExists(temp.path() + "viewer-args"); }));
    EXPECT_EQ(read("viewer-args"), temp.path() + "latexsample\n") << "the previewer gets the DVI file's base name";

    workbench.Printer = "dvips";
    workbench.PrinterPort = temp.path() + "latexsample.ps";
    workbench.PrinterPortTXT = workbench.PrinterPort;
    readPrinterOptionFile(workbench, files);
    actions.print();
    // dvips runs on its own; the file is complete once its trailer is written.
    ASSERT_TRUE(test::waitWithEvents([&] { return read("latexsample.ps").find("%%EOF") != std::string::npos; }));
    EXPECT_EQ(read("latexsample.ps").rfind("%!PS-Adobe", 0), 0u) << "PostScript beside the document";

    workbench.editor.LogFileViewer = recordingProgram("logviewer", temp.path() + "log-args");
    actions.openLogFile();
    ASSERT_TRUE(test::waitWithEvents([&] { return test::pathExists(temp.path() + "log-args"); }));
    std::string logArgument = read("log-args");
    EXPECT_NE(logArgument.find("latexsample.log"), std::string::npos) << logArgument;
    EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
}

}  // namespace
}  // namespace orvo
