// The month panel is a plain panel-coloured rectangle, and the config reader
// and the era text do nothing, until they are written.
#include "app/ombrel_app.h"
#include "calendar/config_loader.h"
#include "calendar/month_calendar_panel.h"

namespace {
void fillPanel(draw::Graphics& g, const draw::RectF& r) {
    draw::SolidBrush panel(theApp.ThemePalette.panel);
    g.setClip(r.x, r.y, r.width, r.height);
    g.fillRectangle(panel, r.x, r.y, r.width, r.height);
}
}  // namespace

void paintMonthCalendar(calendar::MonthCalendarPanel&, draw::Graphics& g, const draw::RectF& r) { fillPanel(g, r); }
void loadCalendarConfig() {}
std::wstring calendar::eraYearText(int32_t, int32_t, std::span<const EraName>) { return {}; }
