#pragma once
// The analog clock panel of the gadget.
#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"
#include "draw/rect_f.h"

// Draws the clock at the current local time into the main window's back buffer.
void paintAnalogClock(draw::Graphics& graphics, const draw::RectF& rect);

// The same, shading `shadowTarget`, the image that `graphics` draws into.
void paintAnalogClock(draw::Graphics& graphics, const draw::RectF& rect, GImageEx& shadowTarget);
