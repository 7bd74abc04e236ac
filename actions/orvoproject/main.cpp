// orvoproject: the project outliner the workbench starts from its utilities.
// See outliner_command_line.h for its command line.
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "actions/orvoproject/outliner.h"
#include "actions/orvoproject/qt/outline_window.h"
#include "platform/linux/linux_environment.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_process_launcher.h"
#include "platform/linux/regular_file.h"

namespace {

// For end-to-end tests: once the window is up, list what it shows on
// standard error and quit, or stay when asked to.
void reportShownWhenAsked(QWidget& window, const orvo::Outliner& outliner) {
    const char* report = std::getenv("ORVO_REPORT_SHOWN");
    if (!report) return;
    bool stay = std::string(report) == "stay";
    QTimer::singleShot(0, &window, [&window, &outliner, stay] {
        std::fprintf(stderr, "orvoproject-shown entries=%zu\n", outliner.rows().size());
        for (const orvo::OutlineRow& row : outliner.rows())
            std::fprintf(stderr, "orvoproject-entry %d|%s|%s|%s|%s\n", row.parent, row.mark.c_str(),
                         row.entry.c_str(), row.file.c_str(), row.line.c_str());
        std::fflush(stderr);
        if (!stay) window.close();
    });
}

}  // namespace

int main(int argc, char** argv) {
    orvo::OutlinerOptions options = orvo::parseOutlinerArguments({argv + 1, argv + argc});
    if (options.help) {
        std::fputs(orvo::kOutlinerUsage, stdout);
        return 0;
    }
    orvo::LinuxFileSystem files;
    orvo::LinuxEnvironment environment;
    orvo::LinuxProcessLauncher processes;
    auto read = [](const std::string& path, std::size_t limit) { return orvo::readRegularFile(path, limit); };
    orvo::Outliner outliner(std::move(options), {files, environment, read, processes});
    outliner.load();
    for (const std::string& note : outliner.notes()) std::fprintf(stderr, "orvoproject: %s\n", note.c_str());

    // The command line is the outliner's own: Qt sees none of it.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName("orvoproject");
    orvo::OutlineWindow window(outliner);
    window.place();
    window.show();
    reportShownWhenAsked(window, outliner);
    return application.exec();
}
