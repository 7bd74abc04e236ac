#pragma once
// A window's size from its `Screens` factor: the factor times the size the
// window was designed at, scaled from the design screen to this one.

#include <optional>

namespace orvo {

// The largest factor a reader of ConfigFile or of a factor list takes: a
// window a hundred times its designed share of the screen comes from a
// damaged or hand-edited file, never from a size the user gave it.
inline constexpr double kMaxScreenFactor = 100;

// Whether a factor read from a file is taken: a number in (0, kMaxScreenFactor].
bool isUsableScreenFactor(double factor);

// The factor that gives a window designed on a screen of `designScreenLength`
// pixels the same length on this one: designScreenLength / screenLength, or
// 1 without a known screen (a length of 0 or less).
double defaultScreenFactor(int designScreenLength, int screenLength);

// One side of the window, rounded to a pixel. The result is a usable size
// for any factor a damaged ConfigFile may hold: a factor that is no finite
// positive number counts as 1 (the designed share of the screen), a result
// is kept between 1 pixel and the screen's length, and without a known
// screen (a length of 0 or less) the side gets its designed length.
int scaledWindowLength(double factor, int designLength, int screenLength, int designScreenLength);

// The factor a window of `length` keeps for one side: its share of the screen
// over its designed share. Nothing for lengths that give no usable factor.
std::optional<double> windowSizeFactor(int length, int designLength, int screenLength, int designScreenLength);

}  // namespace orvo
