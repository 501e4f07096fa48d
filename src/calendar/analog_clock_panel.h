#pragma once
// The analog clock panel of the gadget.
#include "draw/gdiplus_wrappers.h"
#include "draw/rect_f.h"

void paintAnalogClock(draw::Graphics& graphics, const draw::RectF& rect);
