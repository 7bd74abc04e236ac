#include "core/environment_section.h"

#include <gtest/gtest.h>

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "core/workbench.h"
#include "platform/fake/fake_environment.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_program_output.h"

namespace orvo {
namespace {

class EnvironmentSectionTest : public ::testing::Test {
protected:
    FakeFileSystem files;
    FakeEnvironment environment;
    FakeProgramOutput programs;
    Workbench w;

    EnvironmentSectionTest() {
        w.OwnTeXTreeDir = "/home/u/texfiles/";
        w.Web2cDir = "/usr/share/texlive/";
        w.Web2cBINDir = "/usr/bin/";
        w.OrvoBTMDir = "/opt/orvo/";
        w.FourDosProgram = "/opt/orvo/orvocmd";
        files.addFile("/usr/bin/kpsewhich");
        files.addFile("/usr/bin/gs");
        files.addFile("/etc/texmf/web2c/texmf.cnf");
        files.addFile("/usr/share/texlive/texmf-dist/web2c/texmf.cnf");
        programs.answers["/usr/bin/kpsewhich texmf.cnf"] = "/etc/texmf/web2c/texmf.cnf\n";
        environment.variables = {{"TMPDIR", "/var/tmp"}, {"PATH", "/usr/bin:/bin"}};
    }

};

TEST_F(EnvironmentSectionTest, DefaultsCarryThisMachinesValuesInOrder) {
    EXPECT_EQ(defaultEnvironment(w, files, environment, programs),
              (EnvironmentEntries {{"TEMP", "/var/tmp"},
                                   {"TMP", "/var/tmp"},
                                   {"CLS", ""},
                                   {"DELFILES", "*.bak"},
                                   {"COMSPEC", "/opt/orvo/orvocmd"},
                                   {"ORVODEBUG", ""},
                                   {"MODE", "ljfour"},
                                   {"WEBROOTDIR", "/usr/share/texlive/"},
                                   {"ORVOPATH", "/opt/orvo/"},
                                   {"TEXMFCNF", "/home/u/texfiles/texmf/web2c:/etc/texmf/web2c:"},
                                   {"UTILSDIR", "/usr/bin/"},
                                   {"KILL", "latexmac;XDvi;gv;Evince"},
                                   {"PERLLIB", "/usr/share/texlive/tlpkg"},
                                   {"GS_PATH", "/usr/bin/gs"},
                                   {"GS_LIB", "/usr/bin"}}));
}

TEST_F(EnvironmentSectionTest, TexmfCnfFallsBackToTheDistributionsOwnFolderAndKeepsTheDefaultPath) {
    programs.answers.clear();
    EXPECT_EQ(defaultTexmfCnf(w, files, programs),
              "/home/u/texfiles/texmf/web2c:/usr/share/texlive/texmf-dist/web2c:");
    w.OwnTeXTreeDir = "/home//u/texfiles//";
    w.Web2cDir = "/nowhere/";
    EXPECT_EQ(defaultTexmfCnf(w, files, programs), "/home/u/texfiles/texmf/web2c:");
    w.OwnTeXTreeDir.clear();
    EXPECT_EQ(defaultTexmfCnf(w, files, programs), ":") << "never less than kpathsea's own path";
}

TEST_F(EnvironmentSectionTest, TemporaryFolderAndGhostscriptFollowWhatThereIs) {
    environment.variables["TEMP"] = "/scratch";
    files.removeFile("/usr/bin/gs");
    files.addFile("/opt/gs/bin/gs");
    environment.variables["PATH"] = "relative:/opt/gs/bin";
    EnvironmentEntries entries = defaultEnvironment(w, files, environment, programs);
    EXPECT_EQ(entries[0].second, "/scratch");
    EXPECT_EQ(entries[1].second, "/scratch") << "TMP takes TEMP's value";
    EXPECT_EQ(entries[13].second, "/opt/gs/bin/gs");
    environment.variables.clear();
    entries = defaultEnvironment(w, files, environment, programs);
    EXPECT_EQ(entries[0].second, "/tmp");
    EXPECT_EQ(entries[13].second, "gs");
}

TEST_F(EnvironmentSectionTest, WritingTheDefaultsReplacesInPlaceAndAppendsTheRest) {
    IniDocument written("[Environment]\nMINE=kept\nMODE=localfont\n[Options]\nX=1\n");
    writeDefaultEnvironmentSection(w, written, {files, environment, programs});
    EnvironmentEntries entries = environmentEntries(written);
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0], (std::pair<std::string, std::string> {"MINE", "kept"}));
    EXPECT_EQ(entries[1], (std::pair<std::string, std::string> {"MODE", "ljfour"}));
    EXPECT_EQ(entries[2].first, "TEMP");
    EXPECT_EQ(entries[15], (std::pair<std::string, std::string> {"GS_LIB", "/usr/bin"}));
    EXPECT_EQ(written.readString("Options", "X", ""), "1");
}

TEST_F(EnvironmentSectionTest, ApplyingSetsEveryVariableByTheReadingRules) {
    IniDocument config("[Environment]\nA=1\nB = two words \nQUOTED=\" padded \"\nEMPTY=\n =refused\nPATH=/x\n");
    environment.variables = {{"EMPTY", "before"}, {"OTHER", "inherited"}};
    applyEnvironmentSection(config, environment);
    EXPECT_EQ(environment.variables, (std::map<std::string, std::string> {{"A", "1"},
                                                                          {"B", "two words"},
                                                                          {"QUOTED", " padded "},
                                                                          {"EMPTY", ""},
                                                                          {"PATH", "/x"},
                                                                          {"OTHER", "inherited"}}));
}

}  // namespace
}  // namespace orvo
