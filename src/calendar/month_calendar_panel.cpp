#include "calendar/month_calendar_panel.h"

#include <cwchar>
#include <iterator>
#include <string>

#include "app/ombrel_app.h"
#include "calendar/month_days.h"
#include "calendar/panel_background.h"
#include "draw/panel_base.h"
#include "calendar/weekday_letters.h"

namespace {

// The shaded lower part of the panel, in window pixels at 96 dpi and 100 %.
constexpr float SHADOW_LEFT = 10, SHADOW_TOP = 215, SHADOW_RIGHT = 126, SHADOW_BOTTOM = 253, SHADOW_SPREAD = 50;

}  // namespace

void paintMonthCalendar(calendar::MonthCalendarPanel& calendar, draw::Graphics& g, const draw::RectF& rect,
                        GImageEx& shadowTarget, const calendar::Today& today) {
    const app::ThemePalette& palette = theApp.ThemePalette;
    const app::Scale s = theApp.scale();

    // Declared in creation order, so they are deleted in reverse.
    draw::Font titleFont = draw::createFont(L"Meiryo", s.points(9), 1);
    draw::Font dayFont = draw::createFont(L"Meiryo", s.points(8), 1);
    draw::Font weekdayFont = draw::createFont(L"Meiryo", s.points(7), 0);
    draw::SolidBrush panelBrush(palette.panel);
    const calendar::DayBrushes days(palette);
    draw::Pen borderPen(palette.border, 2.0f);
    draw::Pen separatorPen(palette.grid, 1.0f);
    draw::StringFormat topCentred(Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentNear);

    draw::fillPanel(g, rect, panelBrush);
    draw::drawPanelEdges(g, rect, borderPen);
    calendar::shadePanel(shadowTarget,
                         {s.isx(SHADOW_LEFT), s.isy(SHADOW_TOP), s.isx(SHADOW_RIGHT), s.isy(SHADOW_BOTTOM)},
                         s.isy(SHADOW_SPREAD));

    calendar::chooseShownMonth(calendar, today);

    wchar_t title[40];
    std::swprintf(title, std::size(title), L"%d年 %d月", calendar.shownYear, calendar.shownMonth);
    g.drawString(title, titleFont, rect.x, rect.y, rect.width, rect.height, topCentred, days.text);

    const calendar::MonthGrid grid = calendar::MonthGrid::ofPanel(rect, s);
    for (int32_t column = 0; column < 7; ++column) {
        const draw::SolidBrush& brush = column == 0 ? days.red : column == 6 ? days.blue : days.text;
        g.drawString(calendar::WEEKDAY_LETTERS[column], weekdayFont, grid.columnCenter(column), grid.weekdayTop(), 0, 0,
                     topCentred, brush);
    }
    const calendar::PanelSeparator separator = calendar::panelSeparator(rect, s);
    g.drawLine(separatorPen, separator.left, separator.y, separator.right, separator.y);

    const bool monthKnown = calendar::prepareShownMonth(calendar, theApp.specialDays);
    theApp.calendarCellHolidays.fill(nullptr);
    if (!monthKnown) return;

    const bool todayShown = calendar.shownYear == today.year && calendar.shownMonth == today.month;
    const calendar::MonthLayout layout = calendar::layoutMonth(calendar, grid, calendar.shownMonth);
    for (int32_t i = 0; i < layout.count; ++i) {
        const calendar::DayCell& cell = layout.cells[i];
        if (cell.mark && cell.column >= 0 && cell.column < 7 && cell.row >= 0 && cell.row < 6)
            theApp.calendarCellHolidays[cell.column * 6 + cell.row] = cell.mark;
    }
    calendar::drawDays(g, grid, layout, todayShown ? today.day : 0, dayFont, topCentred, days);
}
