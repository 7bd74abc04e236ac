// Document names that hold the markers' text ("&4DOS", "&NOREDIR") are names:
// every job composed from the main file reaches its program with the name as
// one word, runs nothing the name mentions, and is captured or not as its
// template and "Grab console output" say.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "actions/block_compile.h"
#include "actions/main_file_actions_fixture.h"
#include "core/command_words.h"
#include "editor/editor_exchanges.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_dde.h"

namespace orvo {
namespace {

struct DocumentName {
    const char* name;
    // As the engine's first input line: in TeX's own quotes when the engine
    // would otherwise split it or take it for an option, format or command.
    const char* texInput;
};
const DocumentName kNames[] = {
    {"x&4DOS evil.btm .tex", "\"x&4DOS evil.btm .tex\""},
    {"y&NOREDIR z.tex", "\"y&NOREDIR z.tex\""},
    {"R&4dos.tex", "R&4dos.tex"},
    {"&noredir.tex", "\"&noredir.tex\""},
    {"-leading.tex", "\"-leading.tex\""},
    {"-output-directory=x.tex", "\"-output-directory=x.tex\""},
};

class DocumentNamesTest : public MainFileActionsTest {
protected:
    FakeDdeClient dde;
    EditorExchanges exchanges {workbench, {dde, windows, {}}};
    FakeClipboard clipboard;
    NullBlockLinesView lines;
    BlockCompile blockCompile {workbench, {files, clipboard, launcher, ui, view, exchanges, lines}};

    void useDocument(const std::string& name) {
        workbench.MainFileName = name;
        workbench.dviFileName = "/docs/" + name.substr(0, name.rfind('.')) + ".dvi";
        files.addFile("/docs/" + name, "\\begin{document}\n");
        files.addFile(workbench.dviFileName);
        workbench.BlockMarker = "\\begin{document}";
        workbench.Viewer = "xdvi";
        workbench.Printer = "dvips";
        workbench.jobs = {};
        processes.starts.clear();
        console = FakeConsolePort {};
    }

    // The words of the one job the action gave the console or started.
    Words jobWords() const {
        if (!workbench.jobs.pendingConsoleCommand.empty()) return splitCommandLine(workbench.jobs.pendingConsoleCommand);
        return processes.starts.empty() ? Words {} : processes.starts.back().argv;
    }
    bool captured() const { return !workbench.jobs.pendingConsoleCommand.empty(); }

    enum class Job { CompileScript, CompileDirect, BlockCompile, Preview, Print };
    static const char* jobName(Job job) {
        switch (job) {
            case Job::CompileScript: return "compile through COMPILER";
            case Job::CompileDirect: return "compile directly";
            case Job::BlockCompile: return "block compile";
            case Job::Preview: return "preview";
            case Job::Print: return "print";
        }
        return "";
    }
    void start(Job job) {
        workbench.CompileUseBTM = job != Job::CompileDirect;
        switch (job) {
            case Job::CompileScript:
            case Job::CompileDirect: return actions.compile();
            case Job::BlockCompile: return blockCompile.run();
            case Job::Preview: return actions.preview();
            case Job::Print: return actions.print();
        }
    }
    // How the name stands among the job's words.
    static std::string nameWord(Job job, const std::string& name, const std::string& texInput) {
        std::string base = "/docs/" + name.substr(0, name.rfind('.'));
        if (job == Job::Preview) return base;
        if (job == Job::Print) return base + ".dvi";
        // The scripts quote the name for TeX themselves.
        return job == Job::CompileDirect ? texInput : name;
    }
};

TEST_F(DocumentNamesTest, EveryJobOnTheMainFileTakesItsNameAsAName) {
    for (Job job : {Job::CompileScript, Job::CompileDirect, Job::BlockCompile, Job::Preview, Job::Print}) {
        for (const auto& [name, texInput] : kNames) {
            for (bool grab : {false, true}) {
                SCOPED_TRACE(std::string(jobName(job)) + ", " + name + (grab ? ", captured" : ", uncaptured"));
                useDocument(name);
                workbench.RunDosWindow = grab;
                start(job);
                Words words = jobWords();
                ASSERT_FALSE(words.empty());
                EXPECT_EQ(std::count(words.begin(), words.end(), nameWord(job, name, texInput)), 1)
                    << ::testing::PrintToString(words);
                EXPECT_EQ(std::count(words.begin(), words.end(), "evil.btm"), 0) << "the name ran a program";
                // Preview and print start their programs directly; the direct
                // compile always runs in the console window.
                if (job != Job::Preview && job != Job::Print) {
                    EXPECT_EQ(captured(), grab || job == Job::CompileDirect) << "the name decided the capture";
                }
            }
        }
    }
}

TEST_F(DocumentNamesTest, OnlyTheTemplateMarksAJobUncaptured) {
    useDocument("paper.tex");
    workbench.RunDosWindow = true;
    workbench.CompileUseBTM = true;
    workbench.FormatName = "&NOREDIR &web2cbin/latex";
    actions.compile();
    EXPECT_FALSE(captured()) << "the format entry's own marker";
    EXPECT_EQ(jobWords(), throughProcessor({"/opt/orvo/COMPILER.BTM", "paper.tex", "N", "&web2cbin/latex"}));
}

}  // namespace
}  // namespace orvo
