#pragma once
// The workbench's help and support behind the menus and F1: help pages from
// the topic list of the interface language, opened in the desktop's browser;
// the About box and the support report.
#include "actions/help_topics.h"
#include "core/help_and_support.h"

namespace orvo {

class AboutAndReport;
class FileSystem;
class ShellOpen;
struct Workbench;

class HelpAndSupportService : public HelpAndSupport {
public:
    HelpAndSupportService(const Workbench& workbench, const FileSystem& files, ShellOpen& shell,
                          AboutAndReport& aboutAndReport);

    // After each choice of the help files: at start-up, after a language
    // change and when the advanced options are applied.
    void loadTopics() override;
    void showHelp(int context) override;
    void showAbout() override;
    void showSupportReport() override;

private:
    WorkbenchHelp help_;
    AboutAndReport& aboutAndReport_;
};

}  // namespace orvo
