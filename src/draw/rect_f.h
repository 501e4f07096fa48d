#pragma once

namespace draw {

// A panel rectangle in device pixels, as the layout gives it (not truncated).
struct RectF {
    float x, y, width, height;
};

}  // namespace draw
