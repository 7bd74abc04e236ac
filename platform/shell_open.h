#pragma once
// Opening a program, document, folder or address the way the desktop does:
// a program runs, anything else opens in the program the desktop associates
// with it.
#include <string>
#include <vector>

namespace orvo {

struct ShellOpenRequest {
    std::string target;                   // a file, a folder or an address ("https://...")
    std::vector<std::string> parameters;  // for a program: its arguments, one word each
    std::string folder;                   // working folder; a relative target is taken from it
};

struct ShellOpenResult {
    bool opened = false;
    std::string error;  // why not, for a message ("No such file or directory")
    explicit operator bool() const { return opened; }
};

class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // Starts what opens `request.target` without waiting for it. Opened
    // means that the program or the desktop's opener has started; whether
    // the opener then finds an application is its own concern.
    virtual ShellOpenResult open(const ShellOpenRequest& request) = 0;
    // True for a file that starts as a program of its own.
    virtual bool isProgram(const std::string& path) const = 0;
};

}  // namespace orvo
