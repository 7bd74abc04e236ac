#include "dialogs/run_dialog.h"

#include "core/command_words.h"
#include "core/path_names.h"
#include "core/text.h"
#include "jobs/launcher.h"
#include "platform/file_system.h"
#include "platform/shell_open.h"
#include "platform/user_interaction.h"

namespace orvo {
namespace {

bool isAddress(std::string_view text) {
    const std::size_t colon = text.find("://");
    return colon != std::string_view::npos && colon > 0 && text.find(' ') == std::string_view::npos;
}

RunTarget named(const std::string& path) {
    std::string folder = folderOf(path);
    return {folder, path.substr(folder.size()), {}};
}

}  // namespace

RunTarget runTargetOf(std::string_view text, const FileSystem& files, const std::string& currentFolder) {
    const std::string line = trim(text);
    if (line.empty()) return {};
    if (isAddress(line) || startsWith(line, "mailto:")) return {{}, line, {}};
    std::string base = currentFolder;
    if (!base.empty() && base.back() != '/') base += '/';
    const std::string path = line[0] == '/' ? line : base + line;
    if (files.fileExists(path) || files.directoryExists(path)) {
        // A folder is opened itself, from the folder it is in.
        if (files.directoryExists(path) && line.back() == '/') return {{}, line, {}};
        return named(line);
    }
    std::vector<std::string> words = splitCommandLine(line);
    if (words.empty()) return {};
    RunTarget target = named(words[0]);
    target.parameters.assign(words.begin() + 1, words.end());
    return target;
}

bool RunDialog::run(const std::string& line) {
    RunTarget target = runTargetOf(line, context_.files, context_.files.currentDirectory());
    if (target.name.empty() && target.folder.empty()) return false;
    if (!target.folder.empty()) context_.launcher.changeFolder(target.folder);
    ShellOpenRequest request {target.name.empty() ? target.folder : target.name, target.parameters,
                              target.folder.empty() ? context_.files.currentDirectory() : target.folder};
    if (context_.shellOpen.open(request)) return true;
    context_.ui.showMessage({MessageKind::Error, "Executing \n" + request.target + "\n failed!", MessageButtons::Ok,
                             MessagePlacement::CornerAtMainWindowCorner});
    return false;
}

}  // namespace orvo
