#pragma once
// The speedbar's place as one number 0..9: horizontal 0..4, vertical 5..9;
// 0 and 5 keep the user's own position, the others sit in a screen corner
// (left-top, left-bottom, right-top, right-bottom).
namespace orvo {

int speedbarLayoutNumber(bool userPosition, bool left, bool top, bool vertical);

}  // namespace orvo
