// orvoproject run for real, as the workbench starts it: it reads the
// document and ConfigFile it is given and shows the outline, and a command
// line it cannot use gets a message, not a crash.
#include <gtest/gtest.h>

#include "actions/orvoproject/document_fixture.h"
#include "tests/orvo_process.h"
#include "tests/run_program.h"

namespace orvo {
namespace {

test::ProgramRun orvoproject(std::vector<std::string> arguments, const std::string& folder) {
    arguments.insert(arguments.begin(), test::stageFolder() + "orvoproject");
    // A ConfigFile looked for in the user's folder is looked for in the test's.
    test::Variables variables {{"ORVO_REPORT_SHOWN", "1"}, {"QT_QPA_PLATFORM", "offscreen"},
                               {"XDG_CONFIG_HOME", folder}, {"HOME", folder}};
    return test::runProgram(arguments, folder, variables, 30000);
}

bool holds(const std::string& output, const std::string& text) { return output.find(text) != std::string::npos; }

TEST(OrvoprojectRun, ShowsTheOutlineOfTheThreeFileDocument) {
    test::RecordedDocument document;
    test::ProgramRun run = orvoproject(document.arguments(), document.dir.path());
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_TRUE(holds(run.output, "orvoproject-shown entries=8\n")) << run.output;
    const char* entries[] = {
        "orvoproject-entry -1|\\chapter|Introduction|main.tex|3\n",
        "orvoproject-entry 2|\\section|Setup|ch1.tex|3\n",
        "orvoproject-entry 5|\\section*|Closing|main.tex|7\n",
    };
    for (const char* entry : entries) EXPECT_TRUE(holds(run.output, entry)) << entry << run.output;
    EXPECT_LT(run.output.find("|Methods|ch1.tex|2"), run.output.find("|Results|ch2.tex|1")) << "in document order";
}

TEST(OrvoprojectRun, ACommandLineItCannotUseGetsAMessage) {
    test::RecordedDocument document;
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, "orvoproject: No main file was given: name it as the first argument.\n"},
        {"a main file that is not there",
         {document.folder + "none.tex", "-INIFILE=" + document.configFile},
         "does not exist."},
        {"a folder for a main file", {document.folder, "-INIFILE=" + document.configFile}, "not a regular file"},
        {"a bad position", {document.main, "-X=left", "-Y=", "-INIFILE=" + document.configFile},
         "orvoproject: Not a whole number, the desktop places the window: -X=left\n"},
    };
    for (const Case& c : cases) {
        test::ProgramRun run = orvoproject(c.arguments, document.dir.path());
        EXPECT_EQ(run.status, 0) << c.name << run.output;
        EXPECT_TRUE(holds(run.output, c.message)) << c.name << run.output;
        EXPECT_TRUE(holds(run.output, "orvoproject-shown")) << c.name << run.output;
    }
}

TEST(OrvoprojectRun, HelpPrintsTheUsage) {
    test::RecordedDocument document;
    test::ProgramRun run = orvoproject({"--help"}, document.dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(holds(run.output, "usage: orvoproject MAINFILE")) << run.output;
}

}  // namespace
}  // namespace orvo
