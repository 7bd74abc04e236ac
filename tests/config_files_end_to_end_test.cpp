// The real program and its own files as a user's system may hold them: a
// FIFO where ConfigFile or a parameter file belongs, a ConfigFile its user
// may not read or whose folder it may not write, links to both, and what a
// killed write left behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/ini_document.h"
#include "tests/file_probes.h"
#include "tests/forked_check.h"
#include "tests/orvo_process.h"
#include "tests/temp_dir.h"

namespace orvo::test {
namespace {

constexpr int kTimeoutMs = 30000;
// What a user waits at most for the program to say what is wrong.
constexpr int kPromptMs = 2000;

using Names = std::vector<std::string>;

class ConfigFilesEndToEnd : public ::testing::Test {
protected:
    TempDir home;
    std::map<std::string, std::string> environment(const std::string& report) const {
        return {{"HOME", home.path()}, {"XDG_CONFIG_HOME", home.path() + ".config"},
                {"XDG_RUNTIME_DIR", home.path()}, {"ORVO_REPORT_SHOWN", report}};
    }
    // A ConfigFile of a machine set up before, with `document` as its main file.
    std::string configuration(const std::string& document) const {
        return kDebianTexLive + "[UserChoice]\nOwnTeXTreeDir=" + home.path() + "\nMainFileName=" + document + "\n";
    }
    std::string fifo(const std::string& name) const {
        std::string path = home.path() + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0);
        return path;
    }
};

// An open() of a FIFO would wait for a writer for ever, and SIGTERM would
// only restart it.
TEST_F(ConfigFilesEndToEnd, AFifoInPlaceOfAFileIsReportedAtOnceAndSigtermEndsTheProgram) {
    struct Case {
        const char* name;
        std::string fifo;  // below home
        bool configured;   // a ConfigFile naming doc/paper.tex as the main file
    };
    const Case cases[] = {
        {"ConfigFile", ".config/orvo/ORVO.INI", false},
        {"parameter file", "doc/paper.ORVOPAR", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        home.write("doc/paper.tex", "\\relax\n");
        if (c.configured) home.write(".config/orvo/ORVO.INI", configuration(home.path() + "doc/paper.tex"));
        std::string path = fifo(c.fifo);
        std::string folder = std::filesystem::path(path).parent_path().string();
        Names before = sortedEntries(folder);

        OrvoProcess orvo({}, environment("stay"));
        EXPECT_TRUE(orvo.waitForOutput("orvo: couldn't read " + path + ": not a regular file", kPromptMs))
            << orvo.output();
        orvo.signal(SIGTERM);
        EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
        EXPECT_TRUE(isFifo(path));
        EXPECT_EQ(sortedEntries(folder), before);
        std::filesystem::remove_all(home.path() + ".config");
        std::filesystem::remove_all(home.path() + "doc");
    }
}

// Root reads every file, so the program runs as nobody in a home of its own.
class UnprivilegedEndToEnd : public ConfigFilesEndToEnd {
protected:
    std::vector<std::string> prefix;
    UnprivilegedUser user {};

    void SetUp() override {
        std::optional<std::vector<std::string>> command = unprivilegedCommandPrefix();
        std::optional<UnprivilegedUser> nobody = unprivilegedUser();
        if (!command || !nobody) GTEST_SKIP() << "neither setpriv nor runuser can start the program as nobody";
        prefix = *command;
        user = *nobody;
    }
    // Gives the home and everything in it to the unprivileged user.
    void handOver() const {
        if (::geteuid() != 0) return;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(home.path()))
            EXPECT_EQ(::lchown(entry.path().c_str(), user.uid, user.gid), 0) << entry.path();
        EXPECT_EQ(::chown(home.path().c_str(), user.uid, user.gid), 0);
    }
    OrvoProcess start(const std::vector<std::string>& arguments, const std::string& report) const {
        if (prefix.empty()) return OrvoProcess(arguments, environment(report));
        std::vector<std::string> words(prefix.begin() + 1, prefix.end());
        words.push_back(stageFolder() + "orvo");
        words.insert(words.end(), arguments.begin(), arguments.end());
        return OrvoProcess(prefix.front(), words, environment(report));
    }
};

TEST_F(UnprivilegedEndToEnd, AConfigFileItsUserMayNotReadIsReportedAndKeepsItsContent) {
    const std::string content = configuration(home.path() + "paper.tex") + "FavouriteColour=green\n";
    std::string config = home.write(".config/orvo/ORVO.INI", content);
    handOver();
    ASSERT_EQ(::chmod(config.c_str(), 0), 0);

    OrvoProcess orvo = start({}, "stay");
    EXPECT_TRUE(orvo.waitForOutput("orvo: couldn't read " + config + ": Permission denied", kPromptMs))
        << orvo.output();
    orvo.signal(SIGTERM);
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    EXPECT_EQ(home.read(".config/orvo/ORVO.INI"), content);
    EXPECT_EQ(modeOf(config), 0u);
    EXPECT_EQ(sortedEntries(home.path() + ".config/orvo"), Names {"ORVO.INI"});
}

// No box may wait at a shut-down for a signal: the failure goes to standard
// error, with the file and the reason.
TEST_F(UnprivilegedEndToEnd, AWriteThatFailsAtSigtermIsReportedOnStandardError) {
    std::string document = home.write("doc/paper.tex", "\\relax\n");
    std::string config = home.write("conf/ORVO.INI", configuration(document));
    handOver();
    // Readable, but neither folder may be written by the program's user.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown((home.path() + "conf").c_str(), 0, 0), 0);
        ASSERT_EQ(::chown((home.path() + "doc").c_str(), 0, 0), 0);
    }
    ASSERT_EQ(::chmod((home.path() + "conf").c_str(), 0555), 0);
    ASSERT_EQ(::chmod((home.path() + "doc").c_str(), 0555), 0);

    OrvoProcess orvo = start({"-INIFILE", config}, "stay");
    ASSERT_TRUE(orvo.waitForOutput("orvo-shown", kTimeoutMs)) << orvo.output();
    orvo.signal(SIGTERM);
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    EXPECT_NE(orvo.output().find("orvo: couldn't write " + config + ": Permission denied"), std::string::npos)
        << orvo.output();
    EXPECT_NE(orvo.output().find("orvo: couldn't write " + home.path() + "doc/paper.ORVOPAR: Permission denied"),
              std::string::npos)
        << orvo.output();
    EXPECT_EQ(home.read("conf/ORVO.INI"), configuration(document));
    ::chmod((home.path() + "conf").c_str(), 0755);
    ::chmod((home.path() + "doc").c_str(), 0755);
}

TEST_F(ConfigFilesEndToEnd, LinkedConfigAndParameterFilesAreWrittenThroughAndStayLinks) {
    std::string document = home.write("doc/paper.tex", "\\relax\n");
    std::string config = home.write("real/ORVO.INI", configuration(document));
    std::string parameters = home.write("pars/paper.ORVOPAR", "old\n");
    ASSERT_EQ(::chmod(config.c_str(), 0600), 0);
    home.write("conf/keep", "");
    ASSERT_EQ(::symlink("../real/ORVO.INI", (home.path() + "conf/ORVO.INI").c_str()), 0);
    ASSERT_EQ(::symlink(parameters.c_str(), (home.path() + "doc/paper.ORVOPAR").c_str()), 0);

    OrvoProcess orvo({"-INIFILE", home.path() + "conf/ORVO.INI"}, environment("1"));
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();

    EXPECT_TRUE(isLink(home.path() + "conf/ORVO.INI"));
    EXPECT_TRUE(isLink(home.path() + "doc/paper.ORVOPAR"));
    EXPECT_TRUE(IniDocument(home.read("real/ORVO.INI")).value("Options", "XScreenPos").has_value());
    EXPECT_EQ(modeOf(config), 0600u);
    EXPECT_EQ(home.read("pars/paper.ORVOPAR").rfind("This file is used by Orvo", 0), 0u);
    EXPECT_EQ(sortedEntries(home.path() + "real"), Names {"ORVO.INI"});
    EXPECT_EQ(sortedEntries(home.path() + "pars"), Names {"paper.ORVOPAR"});
    EXPECT_EQ(sortedEntries(home.path() + "conf"), (Names {"ORVO.INI", "keep"}));
    EXPECT_EQ(sortedEntries(home.path() + "doc"), (Names {"paper.ORVOPAR", "paper.tex"}));
}

TEST_F(ConfigFilesEndToEnd, AKilledWritesLeftoversGoAtTheNextWriteAndAUsersFilesStay) {
    std::string document = home.write("doc/paper.tex", "\\relax\n");
    home.write(".config/orvo/ORVO.INI", configuration(document));
    home.write("doc/paper.ORVOPAR", "old\n");
    const Names leftovers = {".config/orvo/.ORVO.INI.orvo-tmp-a1B2c3", "doc/.paper.ORVOPAR.orvo-tmp-Q9w8e7",
                             "doc/.ORVOSET.BAT.orvo-tmp-000000", "doc/.orvoset.sh.orvo-tmp-zZ1xY2"};
    for (const std::string& name : leftovers) home.write(name, "torn");
    home.write(".config/orvo/ORVO.INI.backup", "mine");
    home.write("doc/.paper.ORVOPAR.orvo-tmp-mine", "mine");

    OrvoProcess orvo({}, environment("1"));
    EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    EXPECT_EQ(sortedEntries(home.path() + ".config/orvo"), (Names {"ORVO.INI", "ORVO.INI.backup"}));
    EXPECT_EQ(sortedEntries(home.path() + "doc"), (Names {".paper.ORVOPAR.orvo-tmp-mine", "paper.ORVOPAR", "paper.tex"}));
    EXPECT_EQ(home.read(".config/orvo/ORVO.INI.backup"), "mine");
}

}  // namespace
}  // namespace orvo::test
