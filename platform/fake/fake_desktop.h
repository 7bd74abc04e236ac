#pragma once
#include <set>

#include "platform/desktop.h"

namespace orvo {

class FakeDesktop : public Desktop {
public:
    ScreenSize screen {1600, 1200};
    std::set<std::string> fonts;

    ScreenSize screenSize() const override { return screen; }
    bool hasFont(const std::string& family) const override { return fonts.count(family) > 0; }
};

}  // namespace orvo
