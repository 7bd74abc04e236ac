#pragma once
#include "platform/shell_open.h"

namespace orvo {

// True for a file that starts as a program of its own: executable, and an
// ELF file or a "#!" script.
bool isStartableProgram(const std::string& path);

// A program (an executable ELF file or "#!" script, a name found in PATH)
// starts directly with the parameters; a document, folder or address goes to
// xdg-open, which takes no parameters. Both run detached in a session of
// their own, so that they outlive the workbench.
class LinuxShellOpen : public ShellOpen {
public:
    ShellOpenResult open(const ShellOpenRequest& request) override;
    // A path names the file itself; a bare name is looked for on PATH.
    bool isProgram(const std::string& path) const override;
};

}  // namespace orvo
