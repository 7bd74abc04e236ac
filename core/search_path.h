#pragma once
// The PATH the workbench gives itself and every job: the distribution's
// programs, the own tree's programs and the workbench's folder in front of
// the inherited value, each only when it is not there yet.
#include <functional>
#include <string>

namespace orvo {

class Environment;
class FileSystem;

struct SearchPathInput {
    std::string inherited;     // PATH as the workbench found it
    std::string web2cBINDir;
    std::string ownTeXTreeDir;
    std::string iniDir;
    std::string orvoBTMDir;    // its start value, the executable's folder
};

// `folderExists` answers for the own tree's program folder.
std::string buildSearchPath(const SearchPathInput& input, const std::function<bool(const std::string&)>& folderExists);

// `folder` without one trailing '/' when it has at least four characters, so
// that "/" stays a folder.
std::string stripFolderSlash(const std::string& folder);

// The folder (ending in '/') of the first absolute PATH entry holding
// `program`, or empty. Relative entries are never trusted.
std::string findFolderOnPath(const std::string& program, const FileSystem& files, const Environment& environment);

// The own tree's program folder, below `OwnTeXTreeDir`.
inline constexpr const char* kOwnTreeProgramFolder = "bin/";

}  // namespace orvo
