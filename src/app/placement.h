#pragma once
#include <cstdint>

#include "app/int_rect.h"

namespace app {

// No stored position: the largest int32.
constexpr int32_t UNSET_POSITION = 0x7fffffff;

struct Point {
    int32_t x, y;
};

// Keeps a window of `width` x `height` inside `work`. An unset coordinate puts it
// at the top-right corner; a window larger than the area ends with its right
// (bottom) edge on the area's right (bottom) edge.
void clampToArea(Point& position, int32_t width, int32_t height, const IntRect& work);

}  // namespace app
