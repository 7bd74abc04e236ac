#include "core/file_lookup.h"

#include "core/path_names.h"
#include "core/text.h"
#include "platform/file_system.h"

namespace orvo {

std::optional<std::string> findFileIgnoringCase(const FileSystem& files, const std::string& path) {
    if (files.fileExists(path)) return path;
    std::string folder = folderOf(path);
    std::string name = fileNameOf(path);
    if (name.empty()) return std::nullopt;
    for (const std::string& entry : files.listDirectory(folder.empty() ? "." : folder)) {
        if (equalsIgnoringCase(entry, name) && files.fileExists(folder + entry)) return folder + entry;
    }
    return std::nullopt;
}

std::string existingOrDerivedName(const FileSystem& files, const std::string& path) {
    return findFileIgnoringCase(files, path).value_or(path);
}

}  // namespace orvo
