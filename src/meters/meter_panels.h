#pragma once
// The six meter graph panels of the gadget.
#include "draw/gdiplus_wrappers.h"
#include "draw/rect_f.h"

void paintCpuPanel(draw::Graphics& graphics, const draw::RectF& rect);
void paintDiskPanel(draw::Graphics& graphics, const draw::RectF& rect);
void paintClockPanel(draw::Graphics& graphics, const draw::RectF& rect);
void paintMemoryPanel(draw::Graphics& graphics, const draw::RectF& rect);
void paintRxPanel(draw::Graphics& graphics, const draw::RectF& rect);
void paintTxPanel(draw::Graphics& graphics, const draw::RectF& rect);
