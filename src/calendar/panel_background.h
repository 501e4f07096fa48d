#pragma once
// What the clock and month panels share below their content: the clipped fill,
// the bottom and right edges, and the shaded lower right.
#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"
#include "draw/rect_f.h"

namespace calendar {

// Clips to the panel (the clip stays set), fills it and draws its bottom and
// right edges one pixel inside.
void drawPanelBase(draw::Graphics& graphics, const draw::RectF& rect, const draw::SolidBrush& panelBrush,
                   const draw::Pen& borderPen);

// When the shadow setting is on, shades `rect` of `image` from the panel colour
// towards the theme's shadow colour, starting at its top-left corner.
void shadePanel(GImageEx& image, draw::PixelRect rect, int spread);

}  // namespace calendar
