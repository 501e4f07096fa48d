#pragma once
// The shaded lower right that the clock and month panels have over their base.
#include "draw/gimage_ex.h"

namespace calendar {

// When the shadow setting is on, shades `rect` of `image` from the panel colour
// towards the theme's shadow colour, starting at its top-left corner.
void shadePanel(GImageEx& image, app::IntRect rect, int spread);

}  // namespace calendar
