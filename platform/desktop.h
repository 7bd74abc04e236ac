#pragma once
// Facts about the user's desktop that the workbench's logic needs.
#include <string>

namespace orvo {

struct ScreenSize {
    int width = 800;
    int height = 600;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual ScreenSize screenSize() const = 0;
    virtual bool hasFont(const std::string& family) const = 0;
};

}  // namespace orvo
