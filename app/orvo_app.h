#pragma once
// The application: real services wired to the workbench's logic and its
// windows, from the program entry to the end of the message loop.
#include <memory>
#include <string>
#include <vector>

namespace orvo {

class OrvoApp {
public:
    OrvoApp();
    ~OrvoApp();
    // The program entry. Returns the process's exit status.
    int run(int argc, char** argv);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// The running executable, and its folder ending in '/'.
std::string executablePath();
std::string executableFolder();

}  // namespace orvo
