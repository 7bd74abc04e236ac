#include "core/config_file.h"

#include "core/workbench.h"
#include "platform/file_system.h"
#include "platform/user_interaction.h"

namespace orvo {

ConfigFile::ConfigFile(FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)), document_(files_.readFile(path_).value_or(std::string())) {}

std::string ConfigFile::text(ConfigKey key, std::string_view fallback) const {
    return document_.readString(key.section, key.name, fallback);
}

int ConfigFile::integer(ConfigKey key, int fallback) const {
    return document_.readInteger(key.section, key.name, fallback);
}

bool ConfigFile::flag(ConfigKey key, bool fallback) const {
    return document_.readBool(key.section, key.name, fallback);
}

void ConfigFile::setText(ConfigKey key, std::string_view value) {
    document_.writeString(key.section, key.name, value);
}

void ConfigFile::setInteger(ConfigKey key, int value) { document_.writeInteger(key.section, key.name, value); }

void ConfigFile::setFlag(ConfigKey key, bool value) { document_.writeBool(key.section, key.name, value); }

bool ConfigFile::save() { return files_.writeFileAtomically(path_, document_.text()); }

std::string configFilePath(const Workbench& workbench) { return workbench.iniDir + workbench.iniName; }

void reportConfigWriteFailure(const Workbench& workbench, UserInteraction& ui) {
    if (!workbench.ShowINIErrors) return;
    ui.showMessage({MessageKind::Error, "Orvo couldn't write the INI file " + configFilePath(workbench),
                    MessageButtons::Ok, MessagePlacement::ScreenCentre});
}

}  // namespace orvo
