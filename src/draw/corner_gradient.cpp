#include "draw/corner_gradient.h"

#include <cmath>

#include "draw/transparent_key.h"

namespace draw {

namespace {

uint32_t blendChannel(uint32_t nearColor, uint32_t farColor, uint32_t mask, double t) {
    double v = static_cast<double>(nearColor & mask) * (1.0 - t) + static_cast<double>(farColor & mask) * t;
    return static_cast<uint32_t>(static_cast<int64_t>(v)) & mask;
}

// v = r - q, truncated, clamped to 0..spread. Squares are int32 products (they
// wrap exactly as the int32 arithmetic they stand for); 0/0 counts as negative.
int32_t rampStep(int32_t dx, int32_t dy, int32_t w2, int32_t h2, int spread) {
    int32_t dx2 = static_cast<int32_t>(static_cast<uint32_t>(dx) * static_cast<uint32_t>(dx));
    int32_t dy2 = static_cast<int32_t>(static_cast<uint32_t>(dy) * static_cast<uint32_t>(dy));
    int32_t sum = static_cast<int32_t>(static_cast<uint32_t>(dx2) + static_cast<uint32_t>(dy2));
    double r = std::sqrt(static_cast<double>(sum));
    double q = std::sqrt(static_cast<double>(sum) / (static_cast<double>(dx2) / w2 + static_cast<double>(dy2) / h2));
    double diff = r - q;
    // NaN (the corner itself) and anything negative start the ramp at 0.
    if (!(diff > 0.0)) return 0;
    if (diff >= static_cast<double>(spread)) return spread;
    return static_cast<int32_t>(diff);
}

}  // namespace

void fillCornerGradient(uint32_t* pixels, int width, int height, app::IntRect rect, uint32_t nearColor,
                        uint32_t farColor, int origin, int spread) {
    int32_t w = rect.width();
    int32_t h = rect.height();
    int32_t w2 = static_cast<int32_t>(static_cast<uint32_t>(w) * static_cast<uint32_t>(w));
    int32_t h2 = static_cast<int32_t>(static_cast<uint32_t>(h) * static_cast<uint32_t>(h));
    for (int32_t y = rect.top; y < rect.bottom; ++y) {
        if (y < 0 || y >= height) continue;
        for (int32_t x = rect.left; x < rect.right; ++x) {
            if (x < 0 || x >= width) continue;
            uint32_t& pixel = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            if (pixel == TRANSPARENT_KEY) continue;
            int32_t dx = 0, dy = 0;
            if (origin == 0) {
                dx = x - rect.left;
                dy = y - rect.top;
            } else if (origin == 3) {
                dx = x - rect.left;
                dy = rect.bottom - y;
            }
            int32_t v = rampStep(dx, dy, w2, h2, spread);
            // A stored size of 0 makes the spread 0: no ramp then, rather than 0/0.
            double t = spread > 0 ? static_cast<double>(v) / spread : 0.0;
            pixel = blendChannel(nearColor, farColor, 0xFF0000, t) | blendChannel(nearColor, farColor, 0xFF00, t) |
                    blendChannel(nearColor, farColor, 0xFF, t);
        }
    }
}

}  // namespace draw
