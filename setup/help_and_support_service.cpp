#include "setup/help_and_support_service.h"

#include "setup/about_and_report.h"

namespace orvo {

HelpAndSupportService::HelpAndSupportService(const Workbench& workbench, const FileSystem& files, ShellOpen& shell,
                                             AboutAndReport& aboutAndReport)
    : help_(workbench, files, shell), aboutAndReport_(aboutAndReport) {}

void HelpAndSupportService::loadTopics() { help_.chooseHelpSystem(); }

void HelpAndSupportService::showHelp(int context) { help_.request(context); }

void HelpAndSupportService::showAbout() { aboutAndReport_.showAbout(); }

void HelpAndSupportService::showSupportReport() { aboutAndReport_.showSupportReport(); }

}  // namespace orvo
