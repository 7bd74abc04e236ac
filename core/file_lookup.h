#pragma once
// Names the workbench derives (US_FRM.LST, PAPER.DVI) are matched without
// regard to case: the exact name first, then a case-insensitive match in the
// same folder.
#include <optional>
#include <string>

namespace orvo {

class FileSystem;

// The path of the existing file that `path` names, or nothing.
std::optional<std::string> findFileIgnoringCase(const FileSystem& files, const std::string& path);
// The existing file's path, or `path` itself when none exists.
std::string existingOrDerivedName(const FileSystem& files, const std::string& path);

}  // namespace orvo
