#pragma once
// The shaded panel backgrounds: pixel arithmetic over a plain 32-bit buffer, so
// that it is tested natively. GImageEx applies it to its own pixels.
#include <cstdint>

namespace draw {

struct PixelRect {
    int32_t left, top, right, bottom;  // right and bottom exclusive
};

// origin 0: the gradient starts at the rectangle's top-left corner; 3: at its
// bottom-left corner; anything else gives every pixel the near colour.
void fillCornerGradient(uint32_t* pixels, int width, int height, PixelRect rect, uint32_t nearColor,
                        uint32_t farColor, int origin, int spread);

}  // namespace draw
