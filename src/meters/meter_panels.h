#pragma once
// The six meter graph panels of the gadget: the fill, the grid and the edges in
// the base layer, the graph line and the figures in the moving layer.
#include "draw/gdiplus_wrappers.h"
#include "draw/paint_layers.h"
#include "draw/rect_f.h"

void paintCpuPanel(draw::Graphics& graphics, const draw::RectF& rect, draw::Layers layers = draw::Layers::All);
void paintDiskPanel(draw::Graphics& graphics, const draw::RectF& rect, draw::Layers layers = draw::Layers::All);
void paintClockPanel(draw::Graphics& graphics, const draw::RectF& rect, draw::Layers layers = draw::Layers::All);
void paintMemoryPanel(draw::Graphics& graphics, const draw::RectF& rect, draw::Layers layers = draw::Layers::All);
void paintRxPanel(draw::Graphics& graphics, const draw::RectF& rect, draw::Layers layers = draw::Layers::All);
void paintTxPanel(draw::Graphics& graphics, const draw::RectF& rect, draw::Layers layers = draw::Layers::All);
