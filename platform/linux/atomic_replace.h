#pragma once
// Replacing a file in one step, so that a kill at any moment leaves the old
// or the new file.
//
// The new content goes to a temporary file beside the file it replaces,
// named `.NAME.orvo-tmp-XXXXXX` (six random letters and digits), which is
// then renamed over it. The writer holds an exclusive flock on its
// temporary file until the rename is done; a killed writer's lock goes with
// it. So a file of that name, ours, regular and not locked is what a killed
// write left, and the next write of NAME removes it. Nothing else is removed.
//
// A link is resolved first: the temporary file goes beside the file it
// names, which is replaced, and the link stays as it is. The replaced file
// keeps its permissions; a new one gets 0644.
#include <string>

#include "platform/file_system.h"

namespace orvo {

FileWrite replaceFileAtomically(const std::string& path, const std::string& content);

// The temporary name a write of `name` uses, without its random part.
std::string temporaryNamePrefix(const std::string& name);
// Whether `entry` (a name in a folder) has the form of a temporary file of
// a write of `name`.
bool isTemporaryNameOf(const std::string& entry, const std::string& name);

// The file a chain of links ends at (the path itself when it is no link),
// also when that file does not exist yet; ELOOP for a chain that is too long.
struct ResolvedPath {
    std::string path;
    int error = 0;
};
ResolvedPath resolveLinks(const std::string& path);

}  // namespace orvo
