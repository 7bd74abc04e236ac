#include "setup/first_run_setup.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_program_output.h"

namespace orvo {
namespace {

TEST(DetectTexLiveTest, FindsKpsewhichOnPathAndAsksItForTheRoot) {
    struct Case {
        const char* name;
        std::string path;
        std::map<std::string, std::string> answers;
        const char* rootDir;
        const char* binDir;
    };
    const std::string tl = "/usr/local/texlive/2023/bin/x86_64-linux/kpsewhich";
    const Case cases[] = {
        {"TEXMFROOT", "/usr/bin:/usr/local/texlive/2023/bin/x86_64-linux",
         {{tl + " -var-value TEXMFROOT", "/usr/local/texlive/2023\n"}}, "/usr/local/texlive/2023/",
         "/usr/local/texlive/2023/bin/x86_64-linux/"},
        {"folder above TEXMFDIST", "/usr/local/texlive/2023/bin/x86_64-linux/",
         {{tl + " -var-value TEXMFROOT", "\n"}, {tl + " -var-value TEXMFDIST", "/usr/share/texlive/texmf-dist\n"}},
         "/usr/share/texlive/", "/usr/local/texlive/2023/bin/x86_64-linux/"},
        {"root that does not exist", "/usr/local/texlive/2023/bin/x86_64-linux",
         {{tl + " -var-value TEXMFROOT", "/nowhere/texlive"}}, "", "/usr/local/texlive/2023/bin/x86_64-linux/"},
        {"no answer", "/usr/local/texlive/2023/bin/x86_64-linux", {}, "", "/usr/local/texlive/2023/bin/x86_64-linux/"},
        {"relative entries are not searched", "bin::/usr/bin", {}, "", ""},
        {"not on PATH", "/usr/bin:/bin", {{"kpsewhich -var-value TEXMFROOT", "/usr/share/texlive"}},
         "/usr/share/texlive/", ""},
    };
    for (const Case& c : cases) {
        FakeFileSystem files;
        files.addFile(tl);
        files.addFile("bin/kpsewhich");
        files.addDirectory("/usr/share/texlive");
        files.addDirectory("/usr/local/texlive/2023");
        FakeEnvironment environment;
        environment.variables["PATH"] = c.path;
        FakeProgramOutput programs;
        programs.answers = c.answers;
        TexLiveLocation found = detectTexLive(files, environment, programs);
        EXPECT_EQ(found.rootDir, c.rootDir) << c.name;
        EXPECT_EQ(found.binDir, c.binDir) << c.name;
    }
}

TEST(DetectTexLiveTest, TheDocumentationTreeIsTheDocFolderOfTexmfdist) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> answers;
        const char* docDir;
    };
    const std::string ask = "/usr/bin/kpsewhich -var-value TEXMFDIST";
    const Case cases[] = {
        {"Debian's tree", {{ask, "/usr/share/texlive/texmf-dist\n"}}, "/usr/share/texlive/texmf-dist/doc/"},
        {"an answer ending in a slash", {{ask, "/usr/share/texlive/texmf-dist/"}}, "/usr/share/texlive/texmf-dist/doc/"},
        {"a tree without documentation", {{ask, "/opt/bare/texmf-dist\n"}}, ""},
        {"no answer", {}, ""},
    };
    for (const Case& c : cases) {
        FakeFileSystem files;
        files.addFile("/usr/bin/kpsewhich");
        files.addDirectory("/usr/share/texlive/texmf-dist/doc");
        files.addDirectory("/opt/bare/texmf-dist");
        FakeEnvironment environment;
        environment.variables["PATH"] = "/usr/bin";
        FakeProgramOutput programs;
        programs.answers = c.answers;
        EXPECT_EQ(detectTexLive(files, environment, programs).docDir, c.docDir) << c.name;
    }
}

class FirstRunDefaultsTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeProgramOutput programs;
    Workbench workbench;

    FirstRunDefaultsTest() {
        environment.variables = {{"HOME", "/home/u"}, {"PATH", "/usr/bin"}};
        files.addFile("/usr/bin/kpsewhich");
        files.addDirectory("/usr/share/texlive");
        programs.answers["/usr/bin/kpsewhich -var-value TEXMFROOT"] = "/usr/share/texlive\n";
        files.addFile("/opt/orvo/samples/latexsample.tex", "sample");
        workbench.programDir = "/opt/orvo/";
        workbench.OrvoBTMDir = "/opt/orvo/";
    }
};

TEST_F(FirstRunDefaultsTest, PreparesOwnTreeSampleAndConfigFolder) {
    applyFirstRunDefaults(workbench, files, environment, programs);
    EXPECT_EQ(workbench.Web2cDir, "/usr/share/texlive/");
    EXPECT_EQ(workbench.Web2cBINDir, "/usr/bin/");
    EXPECT_EQ(workbench.OwnTeXTreeDir, "/home/u/texfiles/");
    EXPECT_TRUE(files.directoryExists("/home/u/texfiles/"));
    EXPECT_EQ(files.readFile("/home/u/texfiles/latexsample.tex"), "sample");
    EXPECT_EQ(workbench.iniDir, "/home/u/.config/orvo/");
    EXPECT_TRUE(files.directoryExists("/home/u/.config/orvo/"));
    EXPECT_EQ(workbench.FourDosProgram, "/opt/orvo/orvocmd");
    EXPECT_EQ(workbench.OrvoLanguage, "US");
}

TEST_F(FirstRunDefaultsTest, DocumentationFoldersAndThePostScriptViewerAreThisMachines) {
    struct Case {
        const char* name;
        bool gvInstalled;
        bool documentation;
        const char* viewer;
        const char* docDir;
    };
    const Case cases[] = {
        {"gv and the documentation tree", true, true, "gv", "/usr/share/texlive/texmf-dist/doc/"},
        {"neither: the opener and the usual defaults", false, false, "xdg-open", ""},
    };
    for (const Case& c : cases) {
        FakeFileSystem machine = files;
        if (c.gvInstalled) machine.addFile("/usr/bin/gv");
        if (c.documentation) {
            machine.addDirectory("/usr/share/texlive/texmf-dist/doc");
            programs.answers["/usr/bin/kpsewhich -var-value TEXMFDIST"] = "/usr/share/texlive/texmf-dist\n";
        }
        Workbench w = workbench;
        applyFirstRunDefaults(w, machine, environment, programs);
        EXPECT_EQ(w.GSView, c.viewer) << c.name;
        EXPECT_EQ(w.ManualPageDir, c.docDir) << c.name;
        EXPECT_EQ(w.HelpFilesDir, c.docDir) << c.name;
    }
}

TEST_F(FirstRunDefaultsTest, KeepsTheUsersOwnCopyOfTheSample) {
    files.addFile("/home/u/texfiles/latexsample.tex", "edited by the user");
    applyFirstRunDefaults(workbench, files, environment, programs);
    EXPECT_EQ(files.readFile("/home/u/texfiles/latexsample.tex"), "edited by the user");
}

TEST_F(FirstRunDefaultsTest, GoesOnWithoutTheShippedSample) {
    files.removeFile("/opt/orvo/samples/latexsample.tex");
    applyFirstRunDefaults(workbench, files, environment, programs);
    EXPECT_TRUE(files.directoryExists("/home/u/texfiles/"));
    EXPECT_FALSE(files.fileExists("/home/u/texfiles/latexsample.tex"));
    EXPECT_EQ(workbench.iniDir, "/home/u/.config/orvo/");
}

}  // namespace
}  // namespace orvo
