#pragma once
// Top-level windows of other programs, found by their window class.
#include <string>

namespace orvo {

class OtherWindows {
public:
    virtual ~OtherWindows() = default;
    virtual bool hasWindowOfClass(const std::string& className) = 0;
    // Sends the first window of the class a close request and gives it a
    // short time to handle it; a window that does not react within the time
    // limit is left alone. True when a window was asked.
    virtual bool closeWindowOfClass(const std::string& className) = 0;
};

}  // namespace orvo
