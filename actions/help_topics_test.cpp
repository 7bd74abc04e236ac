#include "actions/help_topics.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_shell_open.h"

namespace orvo {
namespace {

const std::string kList = "/opt/orvo/HELP/US/ORVO5/ORVO5.LST";
const std::string kFolder = "/opt/orvo/HELP/US/ORVO5/";

TEST(HelpTopics, ReadsPairsOfPageAndContext) {
    struct Case {
        const char* name;
        std::string list;
        int context;
        std::optional<std::string> page;
    };
    const Case cases[] = {
        {"the page paired with the number", "main.htm\n200\noutput.htm\n300\n", 300, kFolder + "output.htm"},
        {"both lines trimmed", "  output.htm \t\r\n 300  \r\n", 300, kFolder + "output.htm"},
        {"the first pair with the number", "first.htm\n300\nsecond.htm\n300\n", 300, kFolder + "first.htm"},
        {"a number no pair has", "main.htm\n200\n", 300, std::nullopt},
        {"the number compared as decimal text", "output.htm\n0300\n", 300, std::nullopt},
        {"a page's name is no number", "300\n200\n", 300, std::nullopt},
        {"a last name without its number", "main.htm\n200\nlast.htm", 200, kFolder + "main.htm"},
        {"a last name without its number has none", "main.htm\n200\nlast.htm\n", 0, std::nullopt},
        {"no final line break", "output.htm\n300", 300, kFolder + "output.htm"},
        {"a pair without a name is passed over", "   \n300\noutput.htm\n300\n", 300, kFolder + "output.htm"},
        {"a page below the folder, written with backslashes", "tools\\bibtex.htm\n900\n", 900,
         kFolder + "tools/bibtex.htm"},
        {"a byte-order mark is no part of the name", "\xEF\xBB\xBFmain.htm\n200\n", 200, kFolder + "main.htm"},
        {"an empty list", "", 200, std::nullopt},
    };
    for (const Case& c : cases) {
        FakeFileSystem files;
        files.addFile(kList, c.list);
        HelpTopics topics;
        EXPECT_TRUE(topics.load(files, kList, "WESTERN")) << c.name;
        EXPECT_EQ(topics.pageOf(c.context), c.page) << c.name;
    }
}

TEST(HelpTopics, AListInTheLanguagesCodePageNamesItsPagesInUtf8) {
    FakeFileSystem files;
    files.addFile(kList, "\xDC" "bersicht.htm\n10\n");  // windows-1252
    HelpTopics topics;
    ASSERT_TRUE(topics.load(files, kList, "WESTERN"));
    EXPECT_EQ(topics.pageOf(10), kFolder + "\xC3\x9C" "bersicht.htm");
}

TEST(HelpTopics, AListThatCannotBeReadAddsNothing) {
    FakeFileSystem files;
    files.addFile("/opt/orvo/HELP/DE/ORVO5/ORVO5.LST");
    files.unreadable["/opt/orvo/HELP/DE/ORVO5/ORVO5.LST"] = {FileError::Kind::NotRegularFile, 0};
    HelpTopics topics;
    EXPECT_FALSE(topics.load(files, kList, "WESTERN")) << "missing";
    EXPECT_FALSE(topics.load(files, "/opt/orvo/HELP/DE/ORVO5/ORVO5.LST", "WESTERN")) << "a FIFO";
    EXPECT_EQ(topics.size(), 0u);
}

TEST(HelpTopics, LoadingAgainAddsThePairsOnceMore) {
    FakeFileSystem files;
    files.addFile(kList, "main.htm\n200\n");
    HelpTopics topics;
    topics.load(files, kList, "WESTERN");
    files.addFile(kList, "changed.htm\n200\n");
    topics.load(files, kList, "WESTERN");
    EXPECT_EQ(topics.size(), 2u);
    EXPECT_EQ(topics.pageOf(200), kFolder + "main.htm") << "the pairs loaded first answer first";
}

class WorkbenchHelpTest : public testing::Test {
protected:
    WorkbenchHelpTest() {
        workbench.helpTopicList = kList;
        files.addFile(kList, "index.htm\n10\nmain.htm\n200\noutput.htm\n300\n");
        files.addFile("/opt/orvo/HELP/DE/ORVO5/ORVO5.LST", "ausgabe.htm\n300\n");
    }
    std::vector<std::string> opened() const {
        std::vector<std::string> targets;
        for (const ShellOpenRequest& request : shell.requests) targets.push_back(request.target);
        return targets;
    }

    Workbench workbench;
    FakeFileSystem files;
    FakeShellOpen shell;
    WorkbenchHelp help {workbench, files, shell};
};

TEST_F(WorkbenchHelpTest, ARequestOpensThePageOfItsContextAsADocument) {
    help.chooseHelpSystem();
    EXPECT_EQ(help.request(300), kFolder + "output.htm");
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].target, kFolder + "output.htm");
    EXPECT_TRUE(shell.requests[0].parameters.empty());
    EXPECT_EQ(help.request(400), std::nullopt) << "a context the list lacks";
    EXPECT_EQ(shell.requests.size(), 1u) << "opens nothing";
}

TEST_F(WorkbenchHelpTest, AMissingTopicListOpensNothing) {
    workbench.helpTopicList = "/opt/orvo/HELP/FR/ORVO5/ORVO5.LST";
    help.chooseHelpSystem();
    for (int context : {10, 200, 300}) EXPECT_EQ(help.request(context), std::nullopt) << context;
    EXPECT_TRUE(shell.requests.empty());
}

TEST_F(WorkbenchHelpTest, AFailedOpenIsNotReported) {
    help.chooseHelpSystem();
    shell.failing.insert(kFolder + "main.htm");
    EXPECT_EQ(help.request(200), kFolder + "main.htm");
    EXPECT_EQ(shell.requests.size(), 1u);
}

TEST_F(WorkbenchHelpTest, ChoosingAgainHoldsTheSameListTwiceAndAnotherLanguagesInstead) {
    help.chooseHelpSystem();
    help.chooseHelpSystem();
    EXPECT_EQ(help.topics().size(), 6u);
    workbench.helpTopicList = "/opt/orvo/HELP/DE/ORVO5/ORVO5.LST";
    help.chooseHelpSystem();
    EXPECT_EQ(help.topics().size(), 1u);
    help.request(300);
    help.request(200);
    EXPECT_EQ(opened(), std::vector<std::string> {"/opt/orvo/HELP/DE/ORVO5/ausgabe.htm"});
}

TEST_F(WorkbenchHelpTest, CompiledHelpDropsTheTopicsAndOpensThePagesOfItsList) {
    help.chooseHelpSystem();
    workbench.UseCompiledHTML = true;
    help.chooseHelpSystem();
    EXPECT_EQ(help.topics().size(), 0u) << "dropped";
    // The list chosen with the compiled help file stands in for its viewer,
    // read at the request: a change shows at once.
    files.addFile(kList, "hilfe.htm\n10\n");
    EXPECT_EQ(help.request(10), kFolder + "hilfe.htm");
    EXPECT_EQ(help.request(200), std::nullopt);

    workbench.UseCompiledHTML = false;
    help.chooseHelpSystem();
    EXPECT_EQ(help.topics().size(), 1u) << "loaded afresh once compiled help is off again";
    EXPECT_EQ(opened(), std::vector<std::string> {kFolder + "hilfe.htm"});
}

}  // namespace
}  // namespace orvo
