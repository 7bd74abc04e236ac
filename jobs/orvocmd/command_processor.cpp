#include "jobs/orvocmd/command_processor.h"

#include "core/file_lookup.h"
#include "core/path_names.h"
#include "core/text.h"
#include "core/command_words.h"
#include "platform/file_system.h"

namespace orvo::cmd {

bool isIgnoredOption(std::string_view word) {
    return equalsIgnoringCase(word, "/c") || startsWithIgnoringCase(word, "/e:") || startsWith(word, "@");
}

std::vector<std::string> programWords(const std::vector<std::string>& arguments, const FileSystem& files) {
    std::size_t first = 0;
    while (first < arguments.size() && isIgnoredOption(arguments[first])) ++first;
    std::vector<std::string> words(arguments.begin() + long(first), arguments.end());
    if (words.size() == 1 && words[0].find_first_of(" \t\"") != std::string::npos &&
        !files.fileExists(words[0]))
        return splitCommandLine(words[0]);
    return words;
}

bool isScriptName(std::string_view name) {
    std::string extension = toUpper(extensionOf(name));
    return extension == ".BTM" || extension == ".BAT";
}

std::optional<std::string> findProgramFile(const std::string& name, const FileSystem& files,
                                           const std::string& pathValue) {
    if (name.find('/') != std::string::npos) return findFileIgnoringCase(files, name);
    if (isScriptName(name)) {
        if (auto found = findFileIgnoringCase(files, files.currentDirectory() + name)) return found;
    }
    for (std::string folder : split(pathValue, ':')) {
        if (folder.empty() || folder.front() != '/') continue;
        if (folder.back() != '/') folder += '/';
        if (auto found = findFileIgnoringCase(files, folder + name)) return found;
    }
    return std::nullopt;
}

std::vector<std::string> execWords(const std::string& file, const std::vector<std::string>& programWords,
                                   bool executableBinary) {
    std::vector<std::string> words;
    if (isScriptName(file) || !executableBinary) words = {"/bin/sh", file};
    else words = {file};
    words.insert(words.end(), programWords.begin() + (programWords.empty() ? 0 : 1), programWords.end());
    return words;
}

}  // namespace orvo::cmd
