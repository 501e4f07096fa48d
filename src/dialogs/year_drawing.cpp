// The calendar browser's content: twelve month blocks with their holidays and
// today (the base layer), then the hover labels and the three marks.
#include <cstdio>
#include <string>

#include "app/ombrel_app.h"
#include "calendar/month_days.h"
#include "calendar/weekday_letters.h"
#include "dialogs/calendar_dlg.h"
#include "dialogs/year_layout.h"
#include "draw/hover_label.h"

namespace {

constexpr uint32_t BLACK = 0xFF000000;

std::wstring format(const wchar_t* pattern, int a, int b = 0) {
    wchar_t text[64];
    std::swprintf(text, std::size(text), pattern, a, b);
    return text;
}

}  // namespace

void CCalendarDlg::drawYear(draw::Graphics& g, const calendar::Today& today) {
    app::Scale s = theApp.scale();
    const app::ThemePalette& palette = theApp.ThemePalette;
    const float cw = static_cast<float>(cellWidth), ch = static_cast<float>(cellHeight);

    draw::Font titleFont = draw::createFont(L"Meiryo", s.points(9), 1);
    draw::Font dayFont = draw::createFont(L"Meiryo", s.points(8), 0);
    draw::Font weekdayFont = draw::createFont(L"Meiryo", s.points(7), 0);
    const calendar::DayBrushes days(palette);
    draw::Pen gridPen(palette.grid, 1.0f);
    draw::StringFormat centred(Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentNear);

    const dialogs::YearLayout year = dialogs::layoutYear(layout(), s.sy(44), browseYear, theApp.specialDays);
    cellHolidays = year.cells;
    for (int32_t i = 1; i <= 12; ++i) {
        const calendar::MonthGrid& grid = year.grids[i - 1];
        const float X = grid.x(), Y = grid.y();
        g.drawString(format(L"%d年 %d月", browseYear, i), titleFont, X, Y, 7 * cw, 8 * ch, centred, days.text);
        for (int32_t k = 0; k < 7; ++k) {
            const draw::SolidBrush& brush = k == 0 ? days.red : k == 6 ? days.blue : days.text;
            g.drawString(calendar::WEEKDAY_LETTERS[k], weekdayFont, grid.columnCenter(k), grid.weekdayTop(), 0, 0,
                         centred, brush);
        }
        g.drawLine(gridPen, X, Y + s.sy(28), X + 7 * cw, Y + s.sy(28));
        const bool todayShown = browseYear == today.year && i == today.month;
        calendar::drawDays(g, grid, year.months[i - 1], todayShown ? today.day : 0, dayFont, centred, days);
    }
}

void CCalendarDlg::drawYearOverlays(draw::Graphics& g) {
    app::Scale s = theApp.scale();
    const app::ThemePalette& palette = theApp.ThemePalette;
    const float cw = static_cast<float>(cellWidth), ch = static_cast<float>(cellHeight);

    draw::Font labelFont = draw::createFont(L"Meiryo", s.points(8), 0);
    draw::SolidBrush silver(palette.silver), black(BLACK);
    draw::Pen gridPen(palette.grid, 1.0f);
    draw::Pen markPen(palette.frameText, 1.0f);
    draw::StringFormat centred(Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentNear);

    if (hoveredHoliday) {
        float bx = cw * static_cast<float>(hoverColumn) + 2;
        float by = ch * static_cast<float>(hoverRow) + static_cast<float>(s.isy(44));
        g.drawRectangle(gridPen, bx, by, cw - 1, ch - 1);
        float lw = draw::labelWidth(s, hoveredHoliday->name.size());
        // Near the right edge the label grows to the left of the cell.
        float x = hoverColumn > 20 ? bx - (lw - cw) : bx;
        float y = by - ch;
        g.fillRectangle(silver, x, y, lw, ch - 1);
        g.drawString(hoveredHoliday->name, labelFont, x, y, lw, ch - 1, centred, black);
    }

    if (titleHover) {
        std::wstring era = calendar::eraYearText(browseYear, hoverMonthColumn + 1 + 3 * hoverMonthRow, theApp.eraNames);
        if (!era.empty()) {
            float left = static_cast<float>(hoverMonthColumn * blockWidth + cellWidth + monthTitleRect.left);
            float top = static_cast<float>(blockHeight * hoverMonthRow + s.isy(44) + cellHeight + monthTitleRect.top);
            g.drawRectangle(gridPen, left, top, static_cast<float>(monthTitleRect.width()),
                            static_cast<float>(monthTitleRect.height()));
            float lw = draw::labelWidth(s, era.size());
            float x = (static_cast<float>(blockWidth) - cw - lw) * 0.5f +
                      static_cast<float>(hoverMonthColumn * blockWidth) + cw;
            float y = top + s.sy(30);
            g.fillRectangle(silver, x, y, lw, ch);
            g.drawString(era, labelFont, x, y, lw, ch, centred, black);
        }
    }

    const std::pair<bool, const app::IntRect*> hovers[] = {
        {closeHover, &closeRect}, {prevHover, &prevYearRect}, {nextHover, &nextYearRect}};
    for (auto [hovered, rect] : hovers)
        if (hovered) g.fillRectangleI(silver, rect->left, rect->top, rect->width(), rect->height());

    const int32_t a = s.isx(6), b = s.isy(6);
    {
        const app::IntRect& r = closeRect;
        g.drawLineI(markPen, r.left + a, r.top + b, r.right - a, r.bottom - b);
        g.drawLineI(markPen, r.left + a, r.bottom - b, r.right - a, r.top + b);
    }
    {
        const app::IntRect& r = prevYearRect;
        int32_t m = (r.top + r.bottom) / 2;
        g.drawLineI(markPen, r.right - a, r.top + b, r.left + a, m);
        g.drawLineI(markPen, r.right - a, r.bottom - b, r.left + a, m);
    }
    {
        const app::IntRect& r = nextYearRect;
        int32_t m = (r.top + r.bottom) / 2;
        g.drawLineI(markPen, r.left + a, r.top + b, r.right - a, m);
        g.drawLineI(markPen, r.left + a, r.bottom - b, r.right - a, m);
    }
}
