#pragma once
#include "platform/desktop.h"

namespace orvo {

class QtDesktop : public Desktop {
public:
    ScreenSize screenSize() const override;
    bool hasFont(const std::string& family) const override;
};

}  // namespace orvo
