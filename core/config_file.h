#pragma once
// One read or write pass over ConfigFile. Opening loads the whole text (a
// missing file reads as a file without keys); save() writes the result back
// in one crash-safe step, so a pass never leaves a torn file. A file that is
// there but cannot be read reads as a file without keys too, and a pass over
// it never replaces it: its content would be lost.
#include <optional>
#include <string>

#include "core/config_keys.h"
#include "core/ini_document.h"
#include "platform/file_system.h"

namespace orvo {

class UserInteraction;
struct Workbench;

class ConfigFile {
public:
    ConfigFile(FileSystem& files, std::string path);

    const std::string& path() const { return path_; }
    IniDocument& document() { return document_; }
    const IniDocument& document() const { return document_; }
    // Why the file, which is there, could not be read; nothing when it was
    // read or is missing.
    const std::optional<FileError>& readError() const { return readError_; }

    std::string text(ConfigKey key, std::string_view fallback) const;
    int integer(ConfigKey key, int fallback) const;
    bool flag(ConfigKey key, bool fallback) const;
    void setText(ConfigKey key, std::string_view value);
    void setInteger(ConfigKey key, int value);
    void setFlag(ConfigKey key, bool value);

    // The pass's one write. Later calls write nothing and give the first
    // call's outcome, so the parts that fill a pass together may each ask
    // for it. Fails without writing when the file could not be read.
    bool save();
    bool saveAttempted() const { return saveAttempted_; }
    // Why the write failed; nothing when it succeeded or was not attempted.
    const std::optional<FileError>& writeError() const { return writeError_; }

private:
    FileSystem& files_;
    std::string path_;
    std::optional<FileError> readError_;
    IniDocument document_;
    bool saveAttempted_ = false;
    std::optional<FileError> writeError_;
};

// The path of ConfigFile for the workbench: IniDir + IniName.
std::string configFilePath(const Workbench& workbench);
// Whether the session leaves ConfigFile alone: start-up found it there but
// could not read it.
bool keepsConfigFile(const Workbench& workbench);

// Tells the user that the pass could not be written: on the log with the
// reason, and in a box when ShowINIErrors asks for it.
void reportConfigWriteFailure(const ConfigFile& config, const Workbench& workbench, UserInteraction& ui);
// Tells the user that the ConfigFile start-up found cannot be read, and that
// the workbench runs with its defaults and leaves the file alone.
void reportUnreadableConfigFile(const ConfigFile& config, UserInteraction& ui);

}  // namespace orvo
