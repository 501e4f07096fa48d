#pragma once
// What every panel of the gadget has below its content: the clipped fill and the
// bottom and right edges (a meter panel draws its grid between the two).
#include "draw/gdiplus_wrappers.h"
#include "draw/rect_f.h"

namespace draw {

// Clips to the panel (the clip stays set: the main window resets it after the
// last panel) and fills it.
void fillPanel(Graphics& graphics, const RectF& rect, const SolidBrush& fill);
// The bottom and right edges, one pixel inside, whatever the scale.
void drawPanelEdges(Graphics& graphics, const RectF& rect, const Pen& edge);

}  // namespace draw
