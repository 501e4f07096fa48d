#pragma once
// A rectangle of whole pixels, right and bottom exclusive as the platform's:
// hit rectangles, the work area, the shaded parts of a panel.
#include <cstdint>

namespace app {

struct IntRect {
    int32_t left, top, right, bottom;

    bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool operator==(const IntRect&) const = default;
};

}  // namespace app
