#include "core/search_path.h"

#include "core/text.h"
#include "platform/environment.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

bool occursIn(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

std::string stripFolderSlash(const std::string& folder) {
    if (folder.size() >= 4 && folder.back() == '/') return folder.substr(0, folder.size() - 1);
    return folder;
}

std::string findFolderOnPath(const std::string& program, const FileSystem& files, const Environment& environment) {
    for (std::string folder : split(environment.get("PATH").value_or(std::string()), ':')) {
        if (folder.empty() || folder.front() != '/') continue;
        if (folder.back() != '/') folder += '/';
        if (files.fileExists(folder + program)) return folder;
    }
    return {};
}

std::string buildSearchPath(const SearchPathInput& in, const std::function<bool(const std::string&)>& folderExists) {
    std::string prefix;
    if (!occursIn(in.inherited, stripFolderSlash(in.web2cBINDir))) prefix = stripFolderSlash(in.web2cBINDir) + ":";
    std::string ownPrograms = stripFolderSlash(in.ownTeXTreeDir + kOwnTreeProgramFolder);
    if (!in.ownTeXTreeDir.empty() && folderExists(in.ownTeXTreeDir + kOwnTreeProgramFolder) &&
        !occursIn(in.inherited, ownPrograms)) {
        prefix = ownPrograms + ":" + prefix;
    }
    if (in.iniDir == in.orvoBTMDir && !occursIn(in.inherited, stripFolderSlash(in.orvoBTMDir))) prefix += stripFolderSlash(in.orvoBTMDir);

    // An empty entry (a leading, trailing or doubled ':') would put the
    // current folder on the search path: none is kept. One pass, however
    // many colons the inherited value holds.
    std::string path;
    for (const std::string& entry : split(prefix + ":" + in.inherited, ':')) {
        if (entry.empty()) continue;
        if (!path.empty()) path += ':';
        path += entry;
    }
    return path;
}

}  // namespace orvo
