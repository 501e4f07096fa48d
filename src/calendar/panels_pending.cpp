// The clock and month panels are plain panel-coloured rectangles until their
// painters are written.
#include "app/ombrel_app.h"
#include "calendar/analog_clock_panel.h"
#include "calendar/config_loader.h"
#include "calendar/month_calendar_panel.h"

namespace {
void fillPanel(draw::Graphics& g, const draw::RectF& r) {
    draw::SolidBrush panel(theApp.ThemePalette.panel);
    g.setClip(r.x, r.y, r.width, r.height);
    g.fillRectangle(panel, r.x, r.y, r.width, r.height);
}
}  // namespace

void paintAnalogClock(draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void paintMonthCalendar(calendar::MonthCalendarPanel&, draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void loadCalendarConfig() {}
std::wstring calendar::eraYearText(int32_t, int32_t, std::span<const EraName>) { return {}; }
