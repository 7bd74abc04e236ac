#include "actions/orvoproject/outliner.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "actions/orvoproject/outline_fixture.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_process_launcher.h"

namespace orvo {
namespace {

using Args = std::vector<std::string>;
using Lines = std::vector<std::string>;

constexpr const char* kConfig =
    "[UserChoice]\n"
    "EditorSection=Editor:Rec\n"
    "[Editor:Rec_US]\n"
    "Editor=rec\n"
    "TeXEdit=rec --line=%d \"%s\"\n"
    "[Editor:Rec_DE]\n"
    "Editor=recde\n"
    "TeXEdit=recde +%d %s\n"
    "[OrvoProject:LaTeX]\n"
    "InputMarks=\\input;\\include;\n"
    "[OrvoProject:Book]\n"
    "InputMarks=\\input;\\subfile;\n"
    "ChapterMarks=\\kapitel\n"
    "[OrvoProject:Empty]\n"
    "PartMarks=\\part\n";

class OutlinerTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeProcessLauncher processes;

    OutlinerTest() {
        files.addFile("/conf/ORVO.INI", kConfig);
        files.addFile("/doc/main.tex", "\\chapter{One}\n\\input{ch 1}\n\\include{gone}\n");
        files.addFile("/doc/ch 1.tex", "\n\\section{S}\n");
    }

    std::unique_ptr<Outliner> load(Args arguments) {
        auto outliner = std::make_unique<Outliner>(parseOutlinerArguments(arguments),
                                                   OutlinerServices {files, environment, test::boundedReader(files),
                                                                     processes});
        outliner->load();
        return outliner;
    }
    std::unique_ptr<Outliner> loadMain(Args options = {}) {
        options.insert(options.begin(), {"/doc/main.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:LaTeX"});
        return load(options);
    }
};

TEST_F(OutlinerTest, OpensAnEntryThroughTheTemplateOfTheActiveProfile) {
    struct Case {
        const char* language;
        Args argv;
    };
    const Case cases[] = {
        {"-L=US", {"rec", "--line=2", "/doc/ch 1.tex"}},
        {"-L=DE", {"recde", "+2", "/doc/ch 1.tex"}},
        {"-L=NL", {"rec", "--line=2", "/doc/ch 1.tex"}},  // no profile for NL: US
        {"-L=", {"rec", "--line=2", "/doc/ch 1.tex"}},
    };
    for (const Case& c : cases) {
        processes.starts.clear();
        std::unique_ptr<Outliner> outliner = loadMain({c.language});
        ASSERT_EQ(outliner->rows().size(), 3u) << c.language;
        OpenOutcome outcome = outliner->open(1);
        EXPECT_TRUE(outcome.started) << c.language;
        ASSERT_EQ(processes.starts.size(), 1u) << c.language;
        EXPECT_EQ(processes.starts[0].argv, c.argv) << c.language;
        EXPECT_TRUE(processes.starts[0].detached) << "the editor lives on by itself";
    }
}

TEST_F(OutlinerTest, AFileNameStaysOneArgumentWhateverItHolds) {
    const std::string name = "/doc/a \"b\" %d %s $x;`y`&z.tex";
    files.addFile(name, "\\section{S}");
    std::unique_ptr<Outliner> outliner = load({name, "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:LaTeX"});
    ASSERT_TRUE(outliner->open(0).started);
    EXPECT_EQ(processes.starts.back().argv, (Args {"rec", "--line=1", name}));
}

TEST_F(OutlinerTest, AProfileWithoutTemplateTakesTheStartupFallback) {
    struct Case {
        const char* name;
        const char* config;
    };
    const Case cases[] = {
        {"profile without TeXEdit", "[UserChoice]\nEditorSection=Editor:Bare\n[Editor:Bare_US]\nEditor=bare\n"},
        {"no editor chosen", "[System]\n"},
        {"no ConfigFile", nullptr},
    };
    for (const Case& c : cases) {
        files.files.erase("/conf/ORVO.INI");
        if (c.config) files.addFile("/conf/ORVO.INI", c.config);
        std::unique_ptr<Outliner> outliner = loadMain();
        ASSERT_TRUE(outliner->open(0).started) << c.name;
        EXPECT_EQ(processes.starts.back().argv,
                  (Args {"emacsclient", "--alternate-editor=emacs", "+1", "/doc/main.tex"}))
            << c.name;
    }
}

TEST_F(OutlinerTest, SaysWhyAnEntryDoesNotOpen) {
    files.addFile("/conf/ORVO.INI", std::string(kConfig) + "[Editor:Rec_NL]\nEditor=rec\nTeXEdit=\n");
    std::unique_ptr<Outliner> outliner = loadMain({"-L=NL"});
    OpenOutcome outcome = outliner->open(0);
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ(outcome.message, "The editor profile Editor:Rec_NL has no TeXEdit template.");
    EXPECT_TRUE(processes.starts.empty());

    processes.missing.insert("rec");
    outliner = loadMain();
    outcome = outliner->open(0);
    EXPECT_FALSE(outcome.started);
    EXPECT_EQ(outcome.message, "The editor could not be started: rec");
    EXPECT_FALSE(outliner->open(99).started) << "no such entry";
}

TEST_F(OutlinerTest, AFileThatWasNotReadOpensWhereItIsNamed) {
    std::unique_ptr<Outliner> outliner = loadMain();
    const OutlineRow& gone = outliner->rows()[2];
    EXPECT_TRUE(gone.problem);
    EXPECT_EQ(gone.entry, "missing: gone");
    OpenOutcome outcome = outliner->open(2);
    EXPECT_EQ(processes.starts.back().argv, (Args {"rec", "--line=3", "/doc/main.tex"}));
    EXPECT_EQ(outcome.message, "main.tex, line 3: opened in the editor.");
}

TEST_F(OutlinerTest, RowsNameFilesFromTheMainFolder) {
    files.addFile("/doc/main.tex", "\\chapter{One}\\input{sub/x}\\input{/elsewhere/y}\\input{locked}\\input{sub/x}");
    files.addFile("/doc/sub/x.tex", "\\section{X}");
    files.addFile("/elsewhere/y.tex", "\\section{Y}");
    files.unreadable["/doc/locked.tex"] = {FileError::Kind::System, EACCES};
    std::unique_ptr<Outliner> outliner = loadMain();
    Lines rows;
    for (const OutlineRow& r : outliner->rows())
        rows.push_back(std::to_string(r.parent) + "|" + r.entry + "|" + r.mark + "|" + r.file + "|" + r.line +
                       (r.problem ? "|problem" : ""));
    EXPECT_EQ(rows, (Lines {
                        "-1|One|\\chapter|main.tex|1",
                        "0|X|\\section|sub/x.tex|1",
                        "0|Y|\\section|/elsewhere/y.tex|1",
                        "2|cannot be read (Permission denied): locked|\\input|main.tex|1|problem",
                        "2|read above already: sub/x|\\input|main.tex|1|problem",
                    }));
}

TEST_F(OutlinerTest, NotesSayWhatWentOtherwiseThanAsked) {
    files.addFile("/home/u/.config/orvo/ORVO.INI", kConfig);
    files.unreadable["/conf/LOCKED.INI"] = {FileError::Kind::System, EACCES};
    environment.variables["XDG_CONFIG_HOME"] = "/home/u/.config";
    files.addFile("/doc/plain.tex", "\\chapter{Not a Book mark}");
    const std::string summary = "Entries: 3, files read: 2.";
    struct Case {
        const char* name;
        Args arguments;
        Lines notes;
    };
    const std::vector<Case> cases = {
        {"all as asked", {"/doc/main.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:LaTeX"}, {summary}},
        {"ConfigFile from the user's folder", {"/doc/main.tex", "-I=OrvoProject:LaTeX"}, {summary}},
        {"no section given",
         {"/doc/main.tex", "-INIFILE=/conf/ORVO.INI", "-I="},
         {"No project section was given: the marks of OrvoProject:LaTeX are used.", summary}},
        {"a section without input marks",
         {"/doc/main.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:Empty"},
         {"The section OrvoProject:Empty holds no InputMarks: the marks of OrvoProject:LaTeX are used.", summary}},
        {"no ConfigFile",
         {"/doc/main.tex", "-INIFILE=/conf/NONE.INI", "-I=OrvoProject:LaTeX"},
         {"ConfigFile /conf/NONE.INI does not exist: the default marks and editor are used.", summary}},
        {"an unreadable ConfigFile",
         {"/doc/main.tex", "-INIFILE=/conf/LOCKED.INI", "-I=OrvoProject:LaTeX"},
         {"ConfigFile /conf/LOCKED.INI cannot be read (Permission denied): the default marks and editor are used.",
          summary}},
        {"bad arguments",
         {"/doc/main.tex", "-X=left", "/doc/other.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:LaTeX"},
         {"Not a whole number, the desktop places the window: -X=left", "Argument left alone: /doc/other.tex",
          summary}},
        {"no main file",
         {"-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:LaTeX"},
         {"No main file was given: name it as the first argument."}},
        {"a main file that is not there",
         {"/doc/none.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:LaTeX"},
         {"The main file /doc/none.tex does not exist."}},
        {"a main file without marks",
         {"/doc/plain.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:Book"},
         {"The document holds none of the marks of OrvoProject:Book."}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Outliner> outliner = load(c.arguments);
        EXPECT_EQ(outliner->notes(), c.notes) << c.name;
    }
    EXPECT_EQ(load({"/doc/main.tex"})->editorTemplate(), "rec --line=%d \"%s\"") << "the user's ConfigFile";
    files.addFile("/conf/SMALL.INI", "[UserChoice]\nEditorSection=Editor:Emacs\n");
    EXPECT_EQ(load({"/doc/main.tex", "-INIFILE=/conf/SMALL.INI", "-I=OrvoProject:Gone"})->notes(),
              (Lines {"The section OrvoProject:Gone holds no InputMarks: the marks of OrvoProject:LaTeX are used.",
                      "ConfigFile has no section OrvoProject:LaTeX: its default marks are used.", summary}));
}

TEST_F(OutlinerTest, TheSectionsMarksMakeTheOutline) {
    files.addFile("/doc/book.tex", "\\kapitel{Eins}\\chapter{Not a mark here}\\subfile{ch 1}\\include{gone}");
    std::unique_ptr<Outliner> outliner = load({"/doc/book.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:Book"});
    ASSERT_EQ(outliner->rows().size(), 2u);
    EXPECT_EQ(outliner->rows()[0].entry, "Eins");
    EXPECT_EQ(outliner->rows()[1].entry, "S");
    EXPECT_EQ(outliner->outline().filesRead, (Lines {"/doc/book.tex", "/doc/ch 1.tex"}));
}

TEST_F(OutlinerTest, SpeaksGermanForDe) {
    std::unique_ptr<Outliner> outliner = loadMain({"-L=DE", "-X=no"});
    EXPECT_EQ(outliner->windowTitle(), "Projektgliederung: main.tex");
    EXPECT_EQ(outliner->notes(),
              (Lines {"Keine ganze Zahl, der Desktop setzt das Fenster: -X=no",
                      "Eintr\xC3\xA4ge: 3, gelesene Dateien: 2."}));
    EXPECT_EQ(outliner->rows()[2].entry, "fehlt: gone");
    EXPECT_EQ(outliner->open(1).message, "ch 1.tex, Zeile 2: im Editor ge\xC3\xB6" "ffnet.");
    EXPECT_EQ(loadMain()->windowTitle(), "Project outline: main.tex");
}

TEST_F(OutlinerTest, ARelativeMainFileIsFoundFromTheCurrentFolder) {
    files.current = "/doc/";
    std::unique_ptr<Outliner> outliner = load({"./main.tex", "-INIFILE=/conf/ORVO.INI", "-I=OrvoProject:LaTeX"});
    EXPECT_EQ(outliner->outline().filesRead, (Lines {"/doc/main.tex", "/doc/ch 1.tex"}));
    outliner->open(0);
    EXPECT_EQ(processes.starts.back().argv, (Args {"rec", "--line=1", "/doc/main.tex"}))
        << "the editor gets the full path";
    std::unique_ptr<Outliner> left = loadMain({"-X=40", "-Y=-5"});
    EXPECT_EQ(left->left(), 40);
    EXPECT_EQ(left->top(), -5);
}

}  // namespace
}  // namespace orvo
