#include "actions/main_file_actions_fixture.h"
#include "core/printer_option_file.h"
#include "core/text.h"
#include "tests/shipped_data.h"

namespace orvo {
namespace {

using OutputTest = MainFileActionsTest;

TEST_F(OutputTest, PreviewStartsTheViewerOnTheDviFileWithoutExtension) {
    struct Case {
        const char* name;
        const char* viewer;
        const char* mainPath;
        Words started;
    };
    const Case cases[] = {
        {"a program starts directly", "xdvi", "/docs/", {"xdvi", "/docs/PAPER"}},
        {"its options stay", "xdvi -paper a4", "/docs/", {"xdvi", "-paper", "a4", "/docs/PAPER"}},
        {"a script without folder comes from the batch folder", "GSVIEW.BTM", "/docs/",
         throughProcessor({"/opt/orvo/GSVIEW.BTM", "/docs/PAPER"})},
        {"a script with options, any case", "view.bat -a", "/docs/",
         throughProcessor({"/opt/orvo/view.bat", "-a", "/docs/PAPER"})},
        {"4DOS goes through the command processor", "&4DOS xdvi -s 4", "/docs/",
         throughProcessor({"xdvi", "-s", "4", "/docs/PAPER"})},
        {"an executable's kind is the whole text's extension", "viewer.exe -single", "/docs/",
         {"viewer.exe", "-single", "/docs/PAPER"}},
        {"a shell entry takes the argument as $0", "sh -c \"exec evince \\\"$0.dvi\\\"\"", "/docs/",
         {"sh", "-c", "exec evince \"$0.dvi\"", "/docs/PAPER"}},
        {"a folder with blanks stays one word", "xdvi", "/my docs/", {"xdvi", "/my docs/PAPER"}},
    };
    for (const Case& c : cases) {
        processes.starts.clear();
        workbench.Viewer = c.viewer;
        workbench.mainPath = c.mainPath;
        files.addDirectory(c.mainPath);
        actions.preview();
        EXPECT_EQ(started(), (std::vector<Words> {c.started})) << c.name;
        EXPECT_TRUE(processes.starts.front().detached) << c.name;
        EXPECT_EQ(files.current + "/", c.mainPath) << c.name;
    }
    EXPECT_EQ(workbench.jobs.originatingDialog, kMainWindowNumber);
    EXPECT_TRUE(ui.shown.empty()) << "a missing DVI file is the previewer's to report";
}

TEST_F(OutputTest, PrintBuildsTheDriverCommandFromOptionsOptionFileAndDestination) {
    struct Case {
        const char* name;
        const char* printer;
        const char* optionFile;
        const char* options;
        const char* destination;
        Words started;
    };
    const Case cases[] = {
        {"options, output-file switch, destination", "dvips", "TOOUTPUTFILE=-o", "-D600 -t a4", "!lpr",
         {"dvips", "-D600", "-t", "a4", "-o", "!lpr", "/docs/paper.dvi"}},
        {"compact form", "dvips", "TOOUTPUTFILE=-o\nSTRIPSPACE=1", "-D600 -t a4", "!lpr",
         {"dvips", "-D600", "-ta4", "-o!lpr", "/docs/paper.dvi"}},
        {"a path destination is one word", "dvips", "TOOUTPUTFILE=-o", " -D600 ", "/out/my paper-1.ps",
         {"dvips", "-D600", "-o", "/out/my paper-1.ps", "/docs/paper.dvi"}},
        {"compact form leaves the path alone", "dvilj4", "TOOUTPUTFILE=-e\nSTRIPSPACE=yes", "-p 2 -l 5",
         "/out/my-paper.lj", {"dvilj4", "-p2", "-l5", "-e/out/my-paper.lj", "/docs/paper.dvi"}},
        {"no output-file switch", "dvips", "", "", "!lpr", {"dvips", "!lpr", "/docs/paper.dvi"}},
        {"an empty STRIPSPACE value counts as absent", "dvips", "TOOUTPUTFILE=-o\nSTRIPSPACE=", "-t a4",
         "!lpr", {"dvips", "-t", "a4", "-o", "!lpr", "/docs/paper.dvi"}},
        {"without a destination the output-file switch is left out", "dvips", "TOOUTPUTFILE=-o", "-D600", "  ",
         {"dvips", "-D600", "/docs/paper.dvi"}},
        {"a script printer from the batch folder", "DVILJ4.BTM", "TOOUTPUTFILE=-e", "", "!lpr",
         throughProcessor({"/opt/orvo/DVILJ4.BTM", "-e", "!lpr", "/docs/paper.dvi"})},
        {"NOREDIR goes through the command processor", "&NOREDIR dvips", "TOOUTPUTFILE=-o", "", "!lpr",
         throughProcessor({"dvips", "-o", "!lpr", "/docs/paper.dvi"})},
        {"4DOS likewise", "&4dos dvips", "TOOUTPUTFILE=-o", "", "!lpr",
         throughProcessor({"dvips", "-o", "!lpr", "/docs/paper.dvi"})},
    };
    files.addFile("/docs/paper.dvi");
    for (const Case& c : cases) {
        processes.starts.clear();
        workbench.Printer = c.printer;
        workbench.PrinterPort = c.destination;
        workbench.printerSettings.switches = parsePrinterOptionFile(c.optionFile);
        view.choices[ChoiceField::PrinterOptions] = c.options;
        actions.print();
        EXPECT_EQ(started(), (std::vector<Words> {c.started})) << c.name;
        EXPECT_EQ(files.current, "/docs") << c.name;
    }
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(OutputTest, PrintRepetitionsStartThePrinterSoManyTimesAtOnce) {
    files.addFile("/docs/PAPER.DVI");
    workbench.Printer = "dvips";
    workbench.PrinterPort = "!lpr";
    workbench.printerSettings.printRepetitions = 3;
    actions.print();
    ASSERT_EQ(processes.starts.size(), 3u);
    for (const auto& start : processes.starts) {
        EXPECT_TRUE(start.detached);
        EXPECT_EQ(start.argv.back(), "/docs/PAPER.DVI");
    }
    EXPECT_TRUE(processes.waits.empty());
}

TEST_F(OutputTest, PrintPrintsAChosenDviFileFromItsOwnFolder) {
    files.addFile("/other/thesis.dvi");
    workbench.dviFileName = "/other/thesis.dvi";
    workbench.Printer = "dvips";
    actions.print();
    EXPECT_EQ(started(), (std::vector<Words> {{"dvips", "/other/thesis.dvi"}}));
    EXPECT_EQ(files.current, "/other");
}

TEST_F(OutputTest, MissingDviOrLogFileIsReportedOverTheMainWindow) {
    workbench.messageTexts[kDviFileMissingMessage] = "No DVI";
    workbench.messageTexts[kLogFileMissingMessage] = "No log";
    view.onTop = true;
    actions.print();
    workbench.MainFileName = "";
    files.addFile("/docs/.log");
    actions.openLogFile();
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].text, "No DVI");
    EXPECT_EQ(ui.shown[1].text, "No log");
    for (const Message& m : ui.shown) {
        EXPECT_EQ(m.kind, MessageKind::Information);
        EXPECT_EQ(m.placement, MessagePlacement::MainWindowCentre);
    }
    EXPECT_EQ(view.calls, (Words {"setStayOnTop 0", "setStayOnTop 1", "setStayOnTop 0", "setStayOnTop 1"}));
    EXPECT_TRUE(processes.starts.empty());
}

TEST_F(OutputTest, TheLogFileOpensInTheLogViewer) {
    struct Case {
        const char* name;
        const char* viewer;
        const char* mainPath;
        Words started;
    };
    const Case cases[] = {
        {"the desktop's program while no profile names one", "", "/docs/", {"xdg-open", "/docs/paper.log"}},
        {"the profile's viewer", "mousepad", "/docs/", {"mousepad", "/docs/paper.log"}},
        {"a path with blanks stays one word", "mousepad", "/my docs/", {"mousepad", "/my docs/paper.log"}},
    };
    for (const Case& c : cases) {
        processes.starts.clear();
        files.addFile(std::string(c.mainPath) + "paper.log");
        workbench.editor.LogFileViewer = c.viewer;
        workbench.mainPath = c.mainPath;
        actions.openLogFile();
        EXPECT_EQ(started(), (std::vector<Words> {c.started})) << c.name;
        EXPECT_EQ(files.current + "/", c.mainPath) << c.name;
    }
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(OutputTest, TheDestinationRedirectionRunsTheScriptAndTakesTheDestinationItNames) {
    struct Case {
        const char* name;
        const char* destination;
        bool scriptExists;
        const char* portScript;
        const char* newDestination;
    };
    files.addFile("/opt/orvo/PRNNET.BAT", ":LPT2\r\necho set up\r\n");
    files.addFile("/opt/orvo/PRNQUEUE.BTM", "#!lpr\nlpstat -d\n");
    files.addFile("/opt/orvo/PRNMAC.BAT", ":LPT4\recho set up\r");
    files.addFile("/opt/orvo/PRNSIGN.BAT", "\xC2\xA7LPT5\n");
    const Case cases[] = {
        {"no dot: no script", "!lpr", false, "", "!lpr"},
        {"a script in the list folder", "PRNNET.BAT", true, "/opt/orvo/PRNNET.BAT", "LPT2"},
        {"named in any case", "prnnet.bat", true, "/opt/orvo/PRNNET.BAT", "LPT2"},
        {"a placeholder folder", "&ORVOBTMDIR/PRNQUEUE.BTM", true, "/opt/orvo/PRNQUEUE.BTM", "!lpr"},
        {"a script with CR line ends", "PRNMAC.BAT", true, "/opt/orvo/PRNMAC.BAT", "LPT4"},
        {"a first character of two bytes goes whole", "PRNSIGN.BAT", true, "/opt/orvo/PRNSIGN.BAT", "LPT5"},
        {"a missing script is remembered; the destination loses its first character", " NONE.BAT ", false,
         "/opt/orvo/NONE.BAT", "ONE.BAT"},
    };
    for (const Case& c : cases) {
        console = FakeConsolePort {};
        std::string modalCommand;
        console.modalJob = [&] { modalCommand = std::exchange(workbench.jobs.pendingConsoleCommand, ""); };
        workbench.portScript = "old";
        workbench.PrinterPort = c.destination;
        actions.redirectPrintDestination();
        EXPECT_EQ(workbench.portScript, c.portScript) << c.name;
        EXPECT_EQ(workbench.PrinterPort, c.newDestination) << c.name;
        if (c.scriptExists) {
            EXPECT_EQ(modalCommand, std::string(kProcessor) + " /c " + c.portScript) << c.name;
            EXPECT_EQ(console.calls, (Words {"ensureCreated", "clearOutput", "setCloseWhenDone 1",
                                             std::string("appendLine ") + c.portScript, "appendLine ",
                                             "appendLine ", "showModal"}))
                << c.name << ": whatever \"Grab console output\" says";
        } else {
            EXPECT_TRUE(console.calls.empty()) << c.name;
        }
    }
    EXPECT_TRUE(processes.starts.empty());
}

TEST_F(OutputTest, TheDestinationScriptRunsWaitedForWithoutAConsoleAndStopsQuietlyOnAReadError) {
    Launcher bare {workbench, {processes, windows, files, ui}};
    MainFileActions noConsole {workbench, {bare, files, ui, view, environment, shell}};
    files.addFile("/opt/orvo/my queue.btm", ":LPT3\n");
    workbench.PrinterPort = "my queue.btm";
    noConsole.redirectPrintDestination();
    EXPECT_EQ(started(), (std::vector<Words> {throughProcessor({"/opt/orvo/my queue.btm"})}));
    EXPECT_FALSE(processes.starts[0].detached);
    EXPECT_EQ(workbench.PrinterPort, "LPT3");

    // A script that deletes itself cannot be read afterwards.
    console.modalJob = [&] { files.removeFile("/opt/orvo/my queue.btm"); };
    workbench.PrinterPort = "my queue.btm";
    actions.redirectPrintDestination();
    EXPECT_EQ(workbench.portScript, "/opt/orvo/my queue.btm");
    EXPECT_EQ(workbench.PrinterPort, "my queue.btm");
}

TEST_F(OutputTest, TheShippedDestinationScriptsNameADestination) {
    files.addFile("/opt/orvo/PRNQUEUE.BTM", shippedFile("PRNQUEUE.BTM"));
    int scripts = 0;
    for (const char* list : {"US_PRD.LST", "DE_PRD.LST"}) {
        std::vector<std::string> lines = shippedLines(list);
        for (std::size_t i = 1; i < lines.size(); i += 2) {
            workbench.PrinterPort = trim(lines[i]);
            if (workbench.PrinterPort.find('.') == std::string::npos) continue;
            ++scripts;
            actions.redirectPrintDestination();
            EXPECT_EQ(workbench.portScript, "/opt/orvo/PRNQUEUE.BTM") << list;
            EXPECT_EQ(workbench.PrinterPort, "!lpr") << list;
        }
    }
    EXPECT_EQ(scripts, 2);
}

}  // namespace
}  // namespace orvo
