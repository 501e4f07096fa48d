#pragma once
// The shaded panel backgrounds: pixel arithmetic over a plain 32-bit buffer, so
// that it is tested natively. GImageEx applies it to its own pixels.
#include <cstdint>

#include "app/int_rect.h"

namespace draw {

// origin 0: the gradient starts at the rectangle's top-left corner; 3: at its
// bottom-left corner; anything else gives every pixel the near colour.
void fillCornerGradient(uint32_t* pixels, int width, int height, app::IntRect rect, uint32_t nearColor,
                        uint32_t farColor, int origin, int spread);

}  // namespace draw
