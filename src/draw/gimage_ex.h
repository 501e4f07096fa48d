#pragma once
// The off-screen image of a window: top-down, 32 bits per pixel, no alpha.
#include "draw/corner_gradient.h"
#include "framework/image.h"

class GImageEx : public fw::Image {
public:
    ~GImageEx() override = default;

    // See draw::fillCornerGradient; writes this image's pixels directly.
    void fillCornerGradient(app::IntRect rect, uint32_t nearColor, uint32_t farColor, int origin, int spread) {
        if (isNull()) return;
        draw::fillCornerGradient(pixels(), width(), height(), rect, nearColor, farColor, origin, spread);
    }
};
