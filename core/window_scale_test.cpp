#include "core/window_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvo {
namespace {

// The console's 600 pixels designed on an 800-pixel screen, shown on a
// 1024-pixel one: factor 1 gives 768.
TEST(WindowScale, EveryFactorGivesASizeOnTheScreen) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    struct Case {
        double factor;
        int screen;
        int length;
    };
    const Case cases[] = {
        {1.0, 1024, 768},
        {0.5, 1024, 384},
        {800.0 / 1024, 1024, 600},
        {1.3, 1024, 998},           // rounded: 998.4
        {1.33, 1024, 1021},         // 1021.44
        {1.34, 1024, 1024},         // 1029.12, the screen's width at most
        {1e300, 1024, 1024},
        {kInfinity, 1024, 768},     // no finite factor: the designed share
        {-kInfinity, 1024, 768},
        {std::nan(""), 1024, 768},
        {-1e300, 1024, 768},        // no positive factor: the designed share
        {-0.5, 1024, 768},
        {0.0, 1024, 768},
        {1e-300, 1024, 1},          // positive, but less than a pixel
        {0.0005, 1024, 1},
        {1.0, 0, 600},              // no screen known: the designed length
        {1e300, -5, 600},
        {std::nan(""), 0, 600},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scaledWindowLength(c.factor, 600, c.screen, 800), c.length)
            << "factor " << c.factor << " on " << c.screen;
    }
}

// What a reader takes from a file: a positive factor up to 100.
TEST(WindowScale, OnlyFactorsUpToAHundredAreUsable) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    struct Case {
        double factor;
        bool usable;
    };
    const Case cases[] = {
        {1.0, true},  {1e-300, true},      {100.0, true},      {0.0, false},      {-0.5, false},
        {100.0000001, false}, {1e300, false}, {kInfinity, false}, {-kInfinity, false}, {std::nan(""), false},
    };
    for (const Case& c : cases) EXPECT_EQ(isUsableScreenFactor(c.factor), c.usable) << c.factor;
}

TEST(WindowScale, TheDefaultFactorKeepsTheDesignedShareOrIsOneWithoutAScreen) {
    EXPECT_DOUBLE_EQ(defaultScreenFactor(800, 1024), 0.78125);
    EXPECT_DOUBLE_EQ(defaultScreenFactor(600, 600), 1.0);
    EXPECT_DOUBLE_EQ(defaultScreenFactor(800, 0), 1.0);
    EXPECT_DOUBLE_EQ(defaultScreenFactor(800, -1), 1.0);
}

}  // namespace
}  // namespace orvo
