#include "core/environment_batch_file.h"

#include "core/config_file.h"
#include "core/text.h"
#include "core/workbench.h"
#include "platform/file_system.h"

namespace orvo {
namespace {

constexpr const char* kPath = "PATH";
constexpr const char* kTeXEdit = "TEXEDIT";

EnvironmentEntries withPathAndEditor(EnvironmentEntries entries, const std::string& savedPath,
                                     const std::string& texEdit) {
    entries.emplace_back(kPath, savedPath);
    entries.emplace_back(kTeXEdit, texEdit);
    return entries;
}

bool isShellName(const std::string& name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    for (char c : name) {
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(c >= '0' && c <= '9') && c != '_') return false;
    }
    return true;
}

std::string singleQuoted(const std::string& value) { return "'" + replaceAll(value, "'", "'\\''") + "'"; }

}  // namespace

std::string environmentBatchText(const EnvironmentEntries& entries, const std::string& savedPath,
                                 const std::string& texEdit) {
    std::string text;
    for (const auto& [name, value] : withPathAndEditor(entries, savedPath, texEdit))
        text += "set " + trim(name) + "=" + trim(value) + "\r\n";
    return text;
}

std::string environmentShellText(const EnvironmentEntries& entries, const std::string& savedPath,
                                 const std::string& texEdit) {
    std::string text;
    for (const auto& [name, value] : withPathAndEditor(entries, savedPath, texEdit)) {
        std::string variable = trim(name);
        if (isShellName(variable)) text += "export " + variable + "=" + singleQuoted(trim(value)) + "\n";
    }
    return text;
}

void writeEnvironmentBatchFile(Workbench& workbench, FileSystem& files) {
    ConfigFile config(files, configFilePath(workbench));
    EnvironmentEntries entries = environmentEntries(config.document());
    std::string folder = files.currentDirectory();
    auto write = [&](const char* name, const std::string& text) {
        if (files.writeFileAtomically(folder + name, text)) workbench.workFiles.written(folder + name);
    };
    write(kEnvironmentBatchFile, environmentBatchText(entries, workbench.savedPath, workbench.TeXEdit));
    write(kEnvironmentShellFile, environmentShellText(entries, workbench.savedPath, workbench.TeXEdit));
}

void deleteEnvironmentBatchFile(FileSystem& files) {
    std::string folder = files.currentDirectory();
    files.removeFile(folder + kEnvironmentBatchFile);
    files.removeFile(folder + kEnvironmentShellFile);
}

}  // namespace orvo
