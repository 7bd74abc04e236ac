// Help as a user asks for it: the staged program on a private X server, F1
// pressed on each page of the main window, the page of that help context
// opened in the interface language through xdg-open (a recording stand-in
// first on PATH).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>

#include "core/text_decoding.h"
#include "tests/orvo_process.h"
#include "tests/private_x_server.h"
#include "tests/temp_dir.h"
#include "tests/wait_until.h"

namespace orvo::test {
namespace {

constexpr int kTimeoutMs = 30000;

class HelpEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server.running()) GTEST_SKIP() << "no Xvfb";
        std::string opener = home.write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" + record + "'\n");
        ::chmod(opener.c_str(), 0755);
    }
    std::map<std::string, std::string> environment() const {
        const char* path = std::getenv("PATH");
        return {{"HOME", home.path()},
                {"XDG_CONFIG_HOME", home.path() + ".config"},
                {"XDG_RUNTIME_DIR", home.path()},
                {"PATH", home.path() + "bin:" + (path ? path : "/usr/bin:/bin")},
                {"DISPLAY", server.display()},
                {"QT_QPA_PLATFORM", "xcb"},
                {"ORVO_REPORT_SHOWN", "stay"}};
    }
    std::vector<std::string> opened() const {
        return pathExists(record) ? splitTextLines(home.read("opened")) : std::vector<std::string>();
    }

    PrivateXServer server;
    TempDir home;
    const std::string record = home.path() + "opened";
};

TEST_F(HelpEndToEnd, F1OnEachPageOfTheMainWindowOpensThePagesHelpInTheInterfaceLanguage) {
    const char* pages[] = {"main-menu.html", "output.html", "utilities.html", "options.html"};
    for (const std::string language : {"US", "DE"}) {
        SCOPED_TRACE(language);
        std::remove(record.c_str());
        std::string config = home.write(language + "/ORVO.INI", kDebianTexLive + "[UserChoice]\nOwnTeXTreeDir=" +
                                                                    home.path() + "\nOrvoLanguage=" + language + "\n");
        OrvoProcess orvo({"-INIFILE", config}, environment());
        ASSERT_TRUE(orvo.waitForOutput("orvo-shown", kTimeoutMs)) << orvo.output();
        XKeyboard keys(server.display());
        ASSERT_TRUE(keys.focusWindow("Orvo", kTimeoutMs));

        std::vector<std::string> expected;
        for (const char* page : pages) {
            // Ctrl+Tab moves on to the next page.
            if (!expected.empty()) {
                ASSERT_TRUE(keys.press("Tab", true));
            }
            ASSERT_TRUE(keys.press("F1"));
            expected.push_back(stageFolder() + "HELP/" + language + "/ORVO5/" + page);
            EXPECT_TRUE(pathExists(expected.back())) << expected.back();
            ASSERT_TRUE(waitUntil([&] { return opened().size() >= expected.size(); }, kTimeoutMs)) << page;
            EXPECT_EQ(opened(), expected);
        }
        orvo.signal(SIGTERM);
        EXPECT_EQ(orvo.waitForExit(kTimeoutMs), 0) << orvo.output();
    }
}

}  // namespace
}  // namespace orvo::test
