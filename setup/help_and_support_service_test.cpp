#include "setup/help_and_support_service.h"

#include <gtest/gtest.h>

#include "core/workbench.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_shell_open.h"
#include "setup/about_and_report.h"

namespace orvo {
namespace {

class RecordingAboutAndReport : public AboutAndReport {
public:
    void showAbout() override { calls.push_back("about"); }
    void showSupportReport() override { calls.push_back("report"); }
    std::vector<std::string> calls;
};

class HelpAndSupportServiceTest : public testing::Test {
protected:
    HelpAndSupportServiceTest() {
        workbench.helpTopicList = "/opt/orvo/HELP/DE/ORVO5/ORVO5.LST";
        files.addFile(workbench.helpTopicList, "index.html\n10\nkonsole.html\n15\n");
    }
    Workbench workbench;
    FakeFileSystem files;
    FakeShellOpen shell;
    RecordingAboutAndReport aboutAndReport;
    HelpAndSupportService service {workbench, files, shell, aboutAndReport};
};

TEST_F(HelpAndSupportServiceTest, HelpOpensTheLoadedTopicsPages) {
    service.showHelp(15);
    EXPECT_TRUE(shell.requests.empty()) << "nothing before the topics are loaded";
    service.loadTopics();
    for (int context : {15, 10, 999}) service.showHelp(context);
    ASSERT_EQ(shell.requests.size(), 2u);
    EXPECT_EQ(shell.requests[0].target, "/opt/orvo/HELP/DE/ORVO5/konsole.html");
    EXPECT_EQ(shell.requests[1].target, "/opt/orvo/HELP/DE/ORVO5/index.html");
    EXPECT_TRUE(aboutAndReport.calls.empty());
}

TEST_F(HelpAndSupportServiceTest, AboutAndReportGoToTheirWindows) {
    service.showAbout();
    service.showSupportReport();
    EXPECT_EQ(aboutAndReport.calls, (std::vector<std::string> {"about", "report"}));
    EXPECT_TRUE(shell.requests.empty());
}

}  // namespace
}  // namespace orvo
