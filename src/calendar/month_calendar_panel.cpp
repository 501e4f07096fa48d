#include "calendar/month_calendar_panel.h"

#include <cwchar>
#include <iterator>
#include <string>

#include "app/ombrel_app.h"
#include "calendar/panel_background.h"

namespace {

constexpr wchar_t WEEKDAY_LETTERS[] = L"日月火水木金土";
constexpr uint32_t TODAY_DIGITS = 0xFFFFFFFF;

// The shaded lower part of the panel, in window pixels at 96 dpi and 100 %.
constexpr float SHADOW_LEFT = 10, SHADOW_TOP = 215, SHADOW_RIGHT = 126, SHADOW_BOTTOM = 253, SHADOW_SPREAD = 50;

}  // namespace

void paintMonthCalendar(calendar::MonthCalendarPanel& calendar, draw::Graphics& g, const draw::RectF& rect,
                        GImageEx& shadowTarget, const calendar::Today& today) {
    using calendar::DayInk;
    const app::ThemePalette& palette = theApp.ThemePalette;
    const app::Scale s = theApp.scale();

    // Declared in creation order, so they are deleted in reverse.
    draw::Font titleFont = draw::createFont(L"Meiryo", s.points(9), 1);
    draw::Font dayFont = draw::createFont(L"Meiryo", s.points(8), 1);
    draw::Font weekdayFont = draw::createFont(L"Meiryo", s.points(7), 0);
    draw::SolidBrush textBrush(palette.text);
    draw::SolidBrush panelBrush(palette.panel);
    draw::SolidBrush whiteBrush(TODAY_DIGITS);
    draw::SolidBrush grayBrush(palette.gray);
    draw::SolidBrush blueBrush(palette.blue);
    draw::SolidBrush redBrush(palette.red);
    draw::SolidBrush yellowBrush(palette.yellow);
    draw::Pen borderPen(palette.border, 2.0f);
    draw::Pen separatorPen(palette.grid, 1.0f);
    draw::StringFormat topCentred(Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentNear);

    calendar::drawPanelBase(g, rect, panelBrush, borderPen);
    calendar::shadePanel(shadowTarget,
                         {s.isx(SHADOW_LEFT), s.isy(SHADOW_TOP), s.isx(SHADOW_RIGHT), s.isy(SHADOW_BOTTOM)},
                         s.isy(SHADOW_SPREAD));

    calendar::chooseShownMonth(calendar, today);

    wchar_t title[40];
    std::swprintf(title, std::size(title), L"%d年 %d月", calendar.shownYear, calendar.shownMonth);
    g.drawString(title, titleFont, rect.x, rect.y, rect.width, rect.height, topCentred, textBrush);

    const calendar::MonthGrid grid(rect, s);
    for (int32_t column = 0; column < 7; ++column) {
        const draw::SolidBrush& brush = column == 0 ? redBrush : column == 6 ? blueBrush : textBrush;
        g.drawString(std::wstring_view(&WEEKDAY_LETTERS[column], 1), weekdayFont, grid.columnCenter(column),
                     grid.weekdayTop(), 0, 0, topCentred, brush);
    }
    g.drawLine(separatorPen, grid.separatorLeft(), grid.separatorY(), grid.separatorRight(), grid.separatorY());

    const bool monthKnown = calendar::prepareShownMonth(calendar, theApp.specialDays);
    theApp.calendarCellHolidays.fill(nullptr);
    if (!monthKnown) return;

    const bool todayShown = calendar.shownYear == today.year && calendar.shownMonth == today.month;
    const calendar::MonthLayout layout = calendar::layoutMonth(calendar, grid, calendar.shownMonth);
    for (int32_t i = 0; i < layout.count; ++i) {
        const calendar::DayCell& cell = layout.cells[i];
        if (cell.mark && cell.column >= 0 && cell.column < 7 && cell.row >= 0 && cell.row < 6)
            theApp.calendarCellHolidays[cell.column * 6 + cell.row] = cell.mark;

        const DayInk ink = calendar::dayInk(cell.mark, cell.weekday);
        const draw::SolidBrush* digits = ink == DayInk::Red      ? &redBrush
                                         : ink == DayInk::Blue   ? &blueBrush
                                         : ink == DayInk::Yellow ? &yellowBrush
                                                                 : &textBrush;
        if (todayShown && cell.day == today.day) {
            draw::RectF box = grid.todayBox(cell.weekday, cell.top);
            g.fillRectangle(ink == DayInk::Text ? grayBrush : *digits, box.x, box.y, box.width, box.height);
            digits = &whiteBrush;
        }
        g.drawString(std::to_wstring(cell.day), dayFont, cell.centerX, cell.top, 0, 0, topCentred, *digits);
    }
}
