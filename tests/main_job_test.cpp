// The main job as a user runs it: Compile, Preview, Print and Log file on the
// shipped sample, through the real run operation, the staged orvocmd and
// scripts, TeX Live and the console window's logic with its Qt window.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <fstream>

#include "actions/main_file_actions.h"
#include "core/workbench.h"
#include "dialogs/printer_switches.h"
#include "jobs/console_window.h"
#include "jobs/launcher.h"
#include "jobs/qt/console_form.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_other_windows.h"
#include "platform/fake/fake_user_interaction.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_piped_process.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/qt/qt_main_thread.h"
#include "tests/fake_main_window_view.h"
#include "tests/orvo_process.h"
#include "tests/event_wait.h"
#include "tests/staged_jobs.h"
#include "tests/temp_dir.h"

namespace orvo {
namespace {


class MainJob : public testing::Test {
protected:
    MainJob() {
        Workbench& w = workbench;
        test::useStagedPrograms(w, test::stageFolder());
        w.OrvoSelectionsOptionsDir = test::stageFolder();
        w.Web2cBINDir = "/usr/bin/";
        w.RunDosWindow = true;
        w.mainPath = temp.path();
        w.MainFileName = "latexsample.tex";
        w.dviFileName = temp.path() + "latexsample.DVI";
        w.FormatName = "&web2cbin/latex";
        std::ifstream sample(test::stageFolder() + "samples/latexsample.tex");
        temp.write("latexsample.tex", std::string(std::istreambuf_iterator<char>(sample), {}));
        form.attach(console);
    }
    ~MainJob() override {
        console.close();
        launcher.changeFolder(startFolder);
    }

    // A program that writes the arguments it was started with into `record`.
    std::string recordingProgram(const std::string& name, const std::string& record) {
        std::string path = temp.write(name, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + "'\n");
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

    test::TempDir temp;
    std::string startFolder = test::currentFolder();
    Workbench workbench;
    ConsoleForm form;
    LinuxPipedProcessStarter pipedProcesses;
    QtMainThread mainThread;
    FakeUserInteraction ui;
    FakeDesktop desktop;
    ConsoleWindow console {workbench, form, {pipedProcesses, mainThread, ui, desktop}};
    LinuxProcessLauncher processes;
    FakeOtherWindows windows;
    LinuxFileSystem files;
    FakeEnvironment environment;  // no COMSPEC: the direct compile takes orvocmd too
    FakeMainWindowView view;
    Launcher launcher {workbench, {processes, windows, files, ui, &console}};
    MainFileActions actions {workbench, {launcher, files, ui, view, environment, &console}};
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
