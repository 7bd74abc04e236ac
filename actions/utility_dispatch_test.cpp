// The utilities list's values: keywords, command templates split, expanded
// and run by their kind, documentation and the project outliner.
#include "actions/utility_dispatch.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_shell_open.h"
#include "tests/fake_main_window_view.h"
#include "tests/launcher_rig.h"
#include "tests/recording_ports.h"

namespace orvo {
namespace {

using Words = std::vector<std::string>;

struct DispatchRig : test::LauncherRig {
    DispatchRig() {
        Workbench& w = workbench;
        w.RunDosWindow = false;  // the run operation then starts the command processor itself
        w.FourDosProgram = "orvocmd";
        w.FourDosOptions = "/c";
        w.OrvoBTMDir = "/opt/orvo/";
        w.Web2cBINDir = "/opt/tex/bin/";
        w.mainPath = "/docs/";
        w.MainFileName = "PAPER.TEX";
        w.GSView = "gv";
        w.ShowOnTaskBar = true;
    }
    FakeShellOpen shell;
    FakeMainWindowView view;
    RecordingMainWindowShell windowShell;
    UtilityDispatcher dispatcher {workbench, {launcher, shell, ui, view, windowShell}};
    std::vector<UtilityKeyword> dialogs;
    bool dialogOpens = true;

    void dispatch(const std::string& value) {
        dispatcher.dispatch(value, [this](UtilityKeyword keyword) {
            dialogs.push_back(keyword);
            return dialogOpens;
        });
    }
    Words lastStart() const { return processes.starts.empty() ? Words {} : processes.starts.back().argv; }
};

TEST(UtilityKeywords, OnlyTheExactWholeValueIsAKeyword) {
    struct Case {
        const char* value;
        std::optional<UtilityKeyword> keyword;
    };
    for (const Case& c : std::vector<Case> {
             {"&bibtex", UtilityKeyword::BibTeX},
             {"&cleanup", UtilityKeyword::Cleanup},
             {"&makeformat", UtilityKeyword::MakeFormat},
             {"&conversiontools", UtilityKeyword::ConversionTools},
             {"&mandoc", UtilityKeyword::ManualPage},
             {"&helpdoc", UtilityKeyword::HelpDocument},
             {"&Bibtex", std::nullopt},
             {"&bibtex ", std::nullopt},
             {" &bibtex", std::nullopt},
             {"&BIBTEX", std::nullopt},
             {"", std::nullopt},
         }) {
        EXPECT_EQ(utilityKeyword(c.value), c.keyword) << '"' << c.value << '"';
        if (c.keyword) {
            EXPECT_STREQ(utilityKeywordText(*c.keyword), c.value);
        }
    }
}

TEST(UtilityTemplates, SplitAtTheFirstAmpersandThatIsNotTheFirstCharacter) {
    struct Case {
        const char* text;
        const char* program;
        const char* arguments;
    };
    for (const Case& c : std::vector<Case> {
             {"prog.exe -f&main", "prog.exe -f", " &main"},
             {"MAKEIDX.BTM -s &mainfile", "MAKEIDX.BTM -s ", " &mainfile"},
             {"README.HTM", "README.HTM", ""},
             {"&4DOS prog.exe -x", "&4DOS prog.exe -x", ""},
             {"a&b&c", "a", " &b&c"},
         }) {
        UtilityTemplateParts parts = splitUtilityTemplate(c.text);
        EXPECT_EQ(parts.program, c.program) << c.text;
        EXPECT_EQ(parts.arguments, c.arguments) << c.text;
    }
    for (auto [program, kind] : std::vector<std::pair<const char*, const char*>> {
             {"MAKEIDX.BTM", ".BTM"}, {"run.bat", ".BAT"}, {"/opt/tex/bin/dvips.exe", ".EXE"},
             {"page.html", ".HTM"}, {"/opt/tex/bin/dvips", ""}, {"/a.b/prog", ""}}) {
        EXPECT_EQ(utilityKind(program), kind) << program;
    }
}

TEST(UtilityDispatch, CommandTemplatesRunByTheirKind) {
    struct Case {
        const char* value;
        Words started;  // the program's words, after the command processor's when it goes through it
        bool throughCommandProcessor;
    };
    for (const Case& c : std::vector<Case> {
             // The web2c prefix, only exactly at the first character.
             {"&WEB2CBIN/dvips.exe &main", {"/opt/tex/bin/dvips.exe", "/docs/PAPER.TEX"}, false},
             {"MAKEIDX.BTM -s &mainfile", {"/opt/orvo/MAKEIDX.BTM", "-s", "PAPER"}, true},
             {"/usr/local/bin/IDX.BAT &mainfile", {"/usr/local/bin/IDX.BAT", "PAPER"}, true},
             {"prog.exe -f&main", {"prog.exe", "-f", "/docs/PAPER.TEX"}, false},
             // The whole text is the program part then, which takes no values.
             {"&4DOS prog.exe -x", {"prog.exe", "-x"}, true},
             {"&WEB2CBIN/mktexlsr", {"/opt/tex/bin/mktexlsr"}, false},  // a program without extension
         }) {
        DispatchRig rig;
        rig.shell.programs = {"/opt/tex/bin/mktexlsr"};
        rig.dispatch(c.value);
        Words expected = c.started;
        if (c.throughCommandProcessor) expected.insert(expected.begin(), {"orvocmd", "/c"});
        EXPECT_EQ(rig.lastStart(), expected) << c.value;
        EXPECT_TRUE(rig.shell.requests.empty()) << c.value;
        EXPECT_TRUE(rig.dialogs.empty()) << c.value;
        EXPECT_EQ(rig.workbench.jobs.originatingDialog, kMainWindowNumber) << c.value;
    }
}

TEST(UtilityDispatch, NamesAndFoldersStayOneArgumentAndAreNeverSearched) {
    DispatchRig rig;
    rig.workbench.mainPath = "/home/a b/r&d/";
    rig.workbench.MainFileName = "x&4DOS evil.btm .tex";
    rig.workbench.Web2cBINDir = "/opt/t&x bin/";
    rig.shell.programs = {"/opt/t&x bin/dvips"};
    rig.dispatch("&WEB2CBIN/dvips -o &mainpath&mainfile.ps &mainpath&mainfile.dvi");
    EXPECT_EQ(rig.lastStart(), (Words {"/opt/t&x bin/dvips", "-o", "/home/a b/r&d/x&4DOS evil.btm .ps",
                                       "/home/a b/r&d/x&4DOS evil.btm .dvi"}));
    rig.dispatch("MAKEIDX.BTM &main");
    EXPECT_EQ(rig.lastStart(), (Words {"orvocmd", "/c", "/opt/orvo/MAKEIDX.BTM", "/home/a b/r&d/x&4DOS evil.btm .tex"}));
}

TEST(UtilityDispatch, DocumentsOpenInTheirProgramFromTheirFolder) {
    DispatchRig rig;
    rig.dispatch("README.HTM");
    rig.dispatch("/usr/share/doc/texlive-doc/index.html");
    rig.dispatch("https://ctan.org/");
    rig.dispatch("&Bibtex");  // no keyword: a document that the desktop will not find
    ASSERT_EQ(rig.shell.requests.size(), 4u);
    EXPECT_EQ(rig.shell.requests[0].target, "README.HTM");
    EXPECT_EQ(rig.shell.requests[0].folder, "/docs/");
    EXPECT_EQ(rig.shell.requests[1].folder, "/usr/share/doc/texlive-doc/");
    EXPECT_EQ(rig.shell.requests[2].target, "https://ctan.org/");
    EXPECT_EQ(rig.shell.requests[3].target, "&Bibtex");
    EXPECT_TRUE(rig.dialogs.empty());
    EXPECT_TRUE(rig.processes.starts.empty());
    EXPECT_TRUE(rig.ui.shown.empty()) << "a document without a program is not reported";
}

TEST(UtilityDispatch, KeywordsOpenTheirDialogWithTheStyleLeftToIt) {
    DispatchRig rig;
    rig.workbench.StayOnTop = true;
    rig.view.onTop = true;
    rig.dispatch("&bibtex");
    rig.dispatch("&bibtex");
    EXPECT_EQ(rig.dialogs, (std::vector<UtilityKeyword> {UtilityKeyword::BibTeX, UtilityKeyword::BibTeX}));
    EXPECT_FALSE(rig.view.onTop) << "the dialog gives the style back when it closes";
    EXPECT_FALSE(rig.view.locked);
    rig.dialogOpens = false;
    rig.view.onTop = true;
    rig.dispatch("&graph");
    EXPECT_TRUE(rig.view.onTop) << "no dialog opened: the style comes back at once";
    rig.view.onTop = false;

    rig.dispatch("README.HTM");
    rig.view.onTop = true;
    rig.dispatch("README.HTM");
    EXPECT_TRUE(rig.view.onTop) << "restored after a template";
    EXPECT_EQ(rig.windowShell.calls, (Words {"reapplyLayout", "reapplyLayout"})) << "after the box and after the template";
    rig.workbench.ShowOnTaskBar = false;
    rig.dispatch("README.HTM");
    EXPECT_EQ(rig.windowShell.calls.back(), "hideTaskBarButton");
}

TEST(UtilityDispatch, ManualPagesAndHelpDocuments) {
    DispatchRig rig;
    rig.workbench.ManualPageDir = "/usr/share/texlive/texmf-dist/doc/";
    rig.workbench.HelpFilesDir = "/opt/help/";
    rig.ui.chosenFiles = {std::string("/usr/share/texlive/texmf-dist/doc/latex/base/usrguide.pdf"),
                          std::string("/opt/help/old tools/TOOLS.CHM"), std::nullopt};
    rig.dispatch("&mandoc");
    rig.dispatch("&helpdoc");
    rig.dispatch("&mandoc");
    ASSERT_EQ(rig.ui.fileDialogs.size(), 3u);
    EXPECT_EQ(rig.ui.fileDialogs[0].startFolder, "/usr/share/texlive/texmf-dist/doc/");
    EXPECT_EQ(rig.ui.fileDialogs[0].defaultExtension, "PDF");
    EXPECT_EQ(rig.ui.fileDialogs[0].filter,
              "PDF documents (*.PDF)|*.PDF|PostScript documents (*.PS)|*.PS|HTML help files (*.HLP;*.CHM)|*.HLP;*.CHM|"
              "All files (*.*)|*.*");
    EXPECT_EQ(rig.ui.fileDialogs[1].startFolder, "/opt/help/");
    EXPECT_EQ(rig.ui.fileDialogs[1].defaultExtension, "HLP");
    EXPECT_EQ(rig.lastStart(), (Words {"gv", "/usr/share/texlive/texmf-dist/doc/latex/base/usrguide.pdf"}));
    ASSERT_EQ(rig.shell.requests.size(), 1u);
    EXPECT_EQ(rig.shell.requests[0].target, "TOOLS.CHM");
    EXPECT_EQ(rig.shell.requests[0].folder, "/opt/help/old tools/");
    EXPECT_EQ(rig.processes.starts.size(), 1u) << "cancel starts nothing";
}

TEST(UtilityDispatch, TheProjectOutlinerGetsTheMainFileAndTheWorkbenchsPlace) {
    DispatchRig rig;
    rig.workbench.mainPath = "/home/a b/";
    rig.workbench.projectSection = "OrvoProject:LaTeX";
    rig.workbench.OrvoLanguage = "DE";
    rig.workbench.iniDir = "/home/u/.config/orvo/";
    rig.workbench.iniName = "ORVO.INI";
    rig.view.window = {120, 48, 481, 240, false};
    rig.dispatch("&project");
    EXPECT_EQ(rig.lastStart(), (Words {"/opt/orvo/orvoproject", "/home/a b/PAPER.TEX", "-I=OrvoProject:LaTeX", "-L=DE",
                                       "-X=120", "-Y=48", "-INIFILE=/home/u/.config/orvo/ORVO.INI"}));
    EXPECT_TRUE(rig.dialogs.empty());
}

}  // namespace
}  // namespace orvo
