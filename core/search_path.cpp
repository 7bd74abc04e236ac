#include "core/search_path.h"

namespace orvo {
namespace {

// Without one trailing '/' when the folder has at least four characters.
std::string strip(const std::string& folder) {
    if (folder.size() >= 4 && folder.back() == '/') return folder.substr(0, folder.size() - 1);
    return folder;
}

bool occursIn(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

std::string buildSearchPath(const SearchPathInput& in, const std::function<bool(const std::string&)>& folderExists) {
    std::string prefix;
    if (!occursIn(in.inherited, strip(in.web2cBINDir))) prefix = strip(in.web2cBINDir) + ":";
    std::string ownPrograms = strip(in.ownTeXTreeDir + kOwnTreeProgramFolder);
    if (!in.ownTeXTreeDir.empty() && folderExists(in.ownTeXTreeDir + kOwnTreeProgramFolder) &&
        !occursIn(in.inherited, ownPrograms)) {
        prefix = ownPrograms + ":" + prefix;
    }
    if (in.iniDir == in.orvoBTMDir && !occursIn(in.inherited, strip(in.orvoBTMDir))) prefix += strip(in.orvoBTMDir);

    std::string path = prefix + ":" + in.inherited;
    for (std::size_t at = path.find("::"); at != std::string::npos; at = path.find("::")) path.erase(at, 1);
    if (!path.empty() && path.front() == ':') path.erase(0, 1);
    // An empty last entry would put the current folder on the search path.
    if (!path.empty() && path.back() == ':') path.pop_back();
    return path;
}

}  // namespace orvo
