#include "jobs/orvocmd/command_processor.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace orvo::cmd {
namespace {

using Words = std::vector<std::string>;

TEST(OrvocmdWords, LeadingOptionsAreIgnoredAndTheRestIsTheProgram) {
    FakeFileSystem files;
    files.addFile("/docs/my paper.btm");
    files.current = "/docs";
    struct Case {
        Words arguments;
        Words words;
    };
    const Case cases[] = {
        {{}, {}},
        {{"/c"}, {}},
        {{"/c", "/E:6000", "@list", "COMPILER.BTM", "a.tex", "/c"}, {"COMPILER.BTM", "a.tex", "/c"}},
        {{"/C", "latex", "my paper.tex"}, {"latex", "my paper.tex"}},
        // One word that holds a whole command line is split by the workbench's rules.
        {{"/c", "printf \"%s|\" \"a b\" $HOME"}, {"printf", "%s|", "a b", "$HOME"}},
        // ... unless it names a file.
        {{"/c", "/docs/my paper.btm"}, {"/docs/my paper.btm"}},
        {{"/c", "single"}, {"single"}},
    };
    for (const Case& c : cases) EXPECT_EQ(programWords(c.arguments, files), c.words) << ::testing::PrintToString(c.arguments);
}

TEST(OrvocmdLookup, ScriptsFromTheCurrentFolderThenPathAnyCase) {
    FakeFileSystem files;
    files.addFile("/docs/mytex.btm");
    files.addFile("/opt/orvo/COMPILER.BTM");
    files.addFile("/opt/orvo/compiler.btm.orig");
    files.addFile("/usr/bin/latex");
    files.addFile("/docs/latex");
    files.addFile("/docs/sub/Closing.Btm");
    files.current = "/docs";
    const std::string path = "relative:/opt/orvo:/usr/bin/";
    struct Case {
        const char* name;
        std::optional<std::string> file;
    };
    const Case cases[] = {
        {"MYTEX.BTM", "/docs/mytex.btm"},
        {"compiler.btm", "/opt/orvo/COMPILER.BTM"},
        {"latex", "/usr/bin/latex"},  // programs never come from the document's folder
        {"/opt/orvo/Compiler.Btm", "/opt/orvo/COMPILER.BTM"},
        {"/docs/sub/CLOSING.BTM", "/docs/sub/Closing.Btm"},
        {"/docs/sub/missing.btm", std::nullopt},
        {"nosuchprogram", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(findProgramFile(c.name, files, path), c.file) << c.name;
    files.addFile("/docs/COMPILER.BTM");
    EXPECT_EQ(findProgramFile("COMPILER.BTM", files, path), "/docs/COMPILER.BTM") << "the current folder first";
}

TEST(OrvocmdLookup, ScriptsAndFilesThatAreNoProgramsRunWithTheShell) {
    const Words words {"name", "a b", "$x"};
    EXPECT_EQ(execWords("/o/COMPILER.BTM", words, true), (Words {"/bin/sh", "/o/COMPILER.BTM", "a b", "$x"}));
    EXPECT_EQ(execWords("/o/run.bat", words, false), (Words {"/bin/sh", "/o/run.bat", "a b", "$x"}));
    EXPECT_EQ(execWords("/o/notes", words, false), (Words {"/bin/sh", "/o/notes", "a b", "$x"}));
    EXPECT_EQ(execWords("/usr/bin/latex", words, true), (Words {"/usr/bin/latex", "a b", "$x"}));
}

}  // namespace
}  // namespace orvo::cmd
