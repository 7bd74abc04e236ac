// orvocmd: the command processor the workbench runs its jobs through. See
// command_processor.h for what it accepts; it exits with the program's
// status (127: no such program, 126: it could not be run).
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/text.h"
#include "jobs/orvocmd/command_processor.h"
#include "platform/linux/linux_file_system.h"
#include "platform/linux/linux_other_windows.h"
#include "platform/linux/regular_file.h"

namespace {

// An ELF program or a "#!" script the kernel can start by itself.
bool isExecutableBinary(const std::string& file) {
    if (::access(file.c_str(), X_OK) != 0) return false;
    std::string head = orvo::readRegularFile(file, 4).content;
    return head == "\x7f" "ELF" || head.rfind("#!", 0) == 0;
}

int closeWindows(const std::string& list) {
    orvo::LinuxOtherWindows windows;
    for (const std::string& name : orvo::split(list, ';')) {
        std::string className = orvo::trim(name);
        if (!className.empty() && windows.closeWindowOfClass(className))
            std::printf("orvocmd: asked %s to close\n", className.c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 2 && arguments[0] == orvo::cmd::kCloseWindowsOption) return closeWindows(arguments[1]);

    orvo::LinuxFileSystem files;
    std::vector<std::string> words = orvo::cmd::programWords(arguments, files);
    if (words.empty()) return 0;
    const char* path = std::getenv("PATH");
    auto file = orvo::cmd::findProgramFile(words[0], files, path ? path : "");
    if (!file) {
        std::fprintf(stderr, "orvocmd: %s: program not found\n", words[0].c_str());
        return 127;
    }
    std::vector<std::string> exec = orvo::cmd::execWords(*file, words, isExecutableBinary(*file));
    std::vector<char*> execArgv;
    for (std::string& word : exec) execArgv.push_back(word.data());
    execArgv.push_back(nullptr);
    std::fflush(stdout);
    ::execv(execArgv[0], execArgv.data());
    std::fprintf(stderr, "orvocmd: %s: %s\n", file->c_str(), std::strerror(errno));
    return 126;
}
