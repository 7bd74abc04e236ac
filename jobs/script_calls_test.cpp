#include "jobs/script_calls.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "core/command_words.h"

namespace orvo {
namespace {

TEST(ScriptCalls, AutostartNamesTheMainFileAndTheQuotedCurrentFile) {
    struct Case {
        const char* btmDir;
        const char* extension;
        const char* main;
        const char* current;
        const char* command;
    };
    const Case cases[] = {
        {"/opt/orvo/", "BTM", "paper.tex", "", "/opt/orvo/AUTOSTART.BTM paper.tex"},
        {"/opt/orvo/", "BAT", "paper.tex", "/docs/ch 1.tex", "/opt/orvo/AUTOSTART.BAT paper.tex \"/docs/ch 1.tex\""},
        {"/opt/orvo/", "BTM", "", "", "/opt/orvo/AUTOSTART.BTM "},
        {"/opt/orvo/", "BTM", "", "/docs/a.tex", "/opt/orvo/AUTOSTART.BTM \"\" \"/docs/a.tex\""},
        {"/opt/orvo/", "BTM", "my paper.tex", "", "/opt/orvo/AUTOSTART.BTM \"my paper.tex\""},
        {"/my tools/", "BTM", "a.tex", "", "\"/my tools/AUTOSTART.BTM\" a.tex"},
    };
    for (const Case& c : cases) {
        Workbench w;
        w.OrvoBTMDir = c.btmDir;
        w.batchExtension = c.extension;
        w.MainFileName = c.main;
        w.CurrentFileName = c.current;
        EXPECT_EQ(autostartCommand(w), c.command);
    }
}

TEST(ScriptCalls, ArgumentsOfTheAutostartJobArriveInPlace) {
    Workbench w;
    w.OrvoBTMDir = "/opt/orvo/";
    w.MainFileName = "we\"ird $name.tex";
    w.CurrentFileName = "/docs/\"quoted\" part.tex";
    EXPECT_EQ(splitCommandLine(autostartCommand(w)),
              (std::vector<std::string> {"/opt/orvo/AUTOSTART.BTM", "we\"ird $name.tex", "/docs/\"quoted\" part.tex"}));
}

TEST(ScriptCalls, ClosingRunsThroughTheCommandProcessor) {
    Workbench w;
    w.OrvoBTMDir = "/opt/orvo/";
    w.FourDosProgram = "/opt/orvo/orvocmd";
    w.FourDosOptions = "/c";
    EXPECT_EQ(closingScriptLine(w), "/opt/orvo/orvocmd /c /opt/orvo/CLOSING.BTM");
}

}  // namespace
}  // namespace orvo
