#include "core/config_file.h"

#include "core/file_errors.h"
#include "core/workbench.h"
#include "platform/user_interaction.h"

namespace orvo {
namespace {

IniDocument readableContent(FileSystem& files, const std::string& path, std::optional<FileError>& readError) {
    FileRead read = files.read(path);
    if (read.unreadable()) readError = read.error;
    return IniDocument(read.content);
}

}  // namespace

ConfigFile::ConfigFile(FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)), document_(readableContent(files_, path_, readError_)) {}

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

bool ConfigFile::save() {
    if (saveAttempted_) return !writeError_;
    saveAttempted_ = true;
    writeError_ = readError_ ? readError_ : files_.replace(path_, document_.text()).error;
    return !writeError_;
}

std::string configFilePath(const Workbench& workbench) { return workbench.iniDir + workbench.iniName; }

bool keepsConfigFile(const Workbench& workbench) {
    return !workbench.unreadableConfigFile.empty() && workbench.unreadableConfigFile == configFilePath(workbench);
}

void reportConfigWriteFailure(const ConfigFile& config, const Workbench& workbench, UserInteraction& ui) {
    if (config.writeError()) logWriteFailure(ui, config.path(), *config.writeError());
    if (!workbench.ShowINIErrors) return;
    ui.showMessage({MessageKind::Error, "Orvo couldn't write the INI file " + config.path(), MessageButtons::Ok,
                    MessagePlacement::ScreenCentre});
}

void reportUnreadableConfigFile(const ConfigFile& config, UserInteraction& ui) {
    if (!config.readError()) return;
    // No message line of the language files says this yet.
    reportUnreadableFile(ui, "INI file", {config.path(), *config.readError()},
                         "Orvo starts with its default settings and leaves the file as it is.");
}

}  // namespace orvo
