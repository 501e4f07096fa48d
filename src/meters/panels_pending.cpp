// The meter panels are plain panel-coloured rectangles until their painters are written.
#include "app/ombrel_app.h"
#include "meters/meter_panels.h"

namespace {
void fillPanel(draw::Graphics& g, const draw::RectF& r) {
    draw::SolidBrush panel(theApp.ThemePalette.panel);
    g.setClip(r.x, r.y, r.width, r.height);
    g.fillRectangle(panel, r.x, r.y, r.width, r.height);
}
}  // namespace

void paintCpuPanel(draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void paintDiskPanel(draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void paintClockPanel(draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void paintMemoryPanel(draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void paintRxPanel(draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void paintTxPanel(draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }

#include "meters/meter_timer.h"
namespace meters {
uint32_t startMeterTimer() { return 0; }
void stopMeterTimer(uint32_t) {}
void onPowerEvent(uint32_t&, WPARAM) {}
}  // namespace meters
