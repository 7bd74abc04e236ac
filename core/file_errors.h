#pragma once
// What the user is told about a file that could not be read or written.
#include <string>

#include "platform/file_system.h"

namespace orvo {

class UserInteraction;

// A file that could not be read or written, and why.
struct FileFailure {
    std::string path;
    FileError error;
};

// Why, in the system's own words ("Permission denied"), or "not a regular
// file" for a FIFO, device or folder.
std::string fileErrorText(const FileError& error);

// "couldn't write PATH: REASON" on the workbench's log (standard error),
// where a failure is kept also when no box may be shown.
void logWriteFailure(UserInteraction& ui, const std::string& path, const FileError& error);
void logReadFailure(UserInteraction& ui, const std::string& path, const FileError& error);

// A file that is there but cannot be read, on the log and in a box:
// "Orvo couldn't read the KIND PATH: REASON. CONSEQUENCE"
void reportUnreadableFile(UserInteraction& ui, const std::string& kind, const FileFailure& failure,
                          const std::string& consequence);

}  // namespace orvo
