#pragma once
// One read or write pass over ConfigFile. Opening loads the whole text (a
// missing or unreadable file reads as a file without keys); save() writes the
// result back in one crash-safe step, so a pass never leaves a torn file.
#include <string>

#include "core/config_keys.h"
#include "core/ini_document.h"

namespace orvo {

class FileSystem;
class UserInteraction;
struct Workbench;

class ConfigFile {
public:
    ConfigFile(FileSystem& files, std::string path);

    const std::string& path() const { return path_; }
    IniDocument& document() { return document_; }
    const IniDocument& document() const { return document_; }

    std::string text(ConfigKey key, std::string_view fallback) const;
    int integer(ConfigKey key, int fallback) const;
    bool flag(ConfigKey key, bool fallback) const;
    void setText(ConfigKey key, std::string_view value);
    void setInteger(ConfigKey key, int value);
    void setFlag(ConfigKey key, bool value);

    bool save();

private:
    FileSystem& files_;
    std::string path_;
    IniDocument document_;
};

// The path of ConfigFile for the workbench: IniDir + IniName.
std::string configFilePath(const Workbench& workbench);

// Tells the user that ConfigFile could not be written, when ShowINIErrors asks for it.
void reportConfigWriteFailure(const Workbench& workbench, UserInteraction& ui);

}  // namespace orvo
