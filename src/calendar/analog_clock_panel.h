#pragma once
// The analog clock panel of the gadget: the face in the base layer, the hands
// and the hub in the moving layer.
#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"
#include "draw/paint_layers.h"
#include "draw/rect_f.h"

// Draws the `layers` of the clock at the current local time; the face's shading
// is written into `shadowTarget`, the image that `graphics` draws into.
void paintAnalogClock(draw::Graphics& graphics, const draw::RectF& rect, GImageEx& shadowTarget,
                      draw::Layers layers = draw::Layers::All);
