// The calendar browser's content: twelve month blocks with their holidays and
// today (the base layer), then the hover labels and the three marks.
#include <cstdio>
#include <string>

#include "app/ombrel_app.h"
#include "calendar/month_calendar.h"
#include "calendar/month_grid.h"
#include "dialogs/calendar_dlg.h"
#include "gadget/gadget_layout.h"

namespace {

constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr uint32_t BLACK = 0xFF000000;
constexpr const wchar_t* WEEKDAYS[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};

std::wstring format(const wchar_t* pattern, int a, int b = 0) {
    wchar_t text[64];
    std::swprintf(text, std::size(text), pattern, a, b);
    return text;
}

}  // namespace

void CCalendarDlg::drawYear(draw::Graphics& g, const calendar::Today& today) {
    app::Scale s = theApp.scale();
    const app::ThemePalette& palette = theApp.ThemePalette;
    dialogs::BrowserLayout l = layout();
    const float cw = static_cast<float>(cellWidth), ch = static_cast<float>(cellHeight);
    const float bandTop = s.sy(44);

    draw::Font titleFont = draw::createFont(L"Meiryo", s.points(9), 1);
    draw::Font dayFont = draw::createFont(L"Meiryo", s.points(8), 0);
    draw::Font weekdayFont = draw::createFont(L"Meiryo", s.points(7), 0);
    draw::SolidBrush text(palette.text), red(palette.red), blue(palette.blue), yellow(palette.yellow);
    draw::SolidBrush gray(palette.gray), white(WHITE);
    draw::Pen gridPen(palette.grid, 1.0f);
    draw::StringFormat centred(Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentNear);

    calendar::MonthCalendar month;
    float X = cw, Y = bandTop + ch;
    for (int i = 1; i <= 12; ++i) {
        g.drawString(format(L"%d年 %d月", browseYear, i), titleFont, X, Y, 7 * cw, 8 * ch, centred, text);
        for (int k = 0; k < 7; ++k) {
            const draw::SolidBrush& brush = k == 0 ? red : k == 6 ? blue : text;
            g.drawString(WEEKDAYS[k], weekdayFont, X + 0.5f * cw + 2 + static_cast<float>(k) * cw, Y + ch, 0, 0,
                         centred, brush);
        }
        g.drawLine(gridPen, X, Y + s.sy(28), X + 7 * cw, Y + s.sy(28));

        calendar::setMonth(month, browseYear, i);
        calendar::computeHolidays(month, theApp.specialDays);

        const float x0 = 0.5f * cw + X + 2;
        float yr = Y + 2 * ch;
        int32_t w = month.weekday;
        for (int round = 0; round < 31; ++round) {
            float xc = static_cast<float>(w) * cw + x0;
            const calendar::SpecialDay* rule = month.marks[static_cast<size_t>(month.day)];
            const draw::SolidBrush* colour = &text;
            if (rule) {
                if (std::optional<int32_t> cell = dialogs::dayCellIndex(l, bandTop, xc, yr))
                    cellHolidays[static_cast<size_t>(*cell)] = rule;
                if (rule->kind == calendar::Special) {
                    colour = &yellow;
                } else if (rule->kind == calendar::RestDay || rule->kind == calendar::Holiday) {
                    colour = &red;
                }
            } else if (w == 0) {
                colour = &red;
            } else if (w == 6) {
                colour = &blue;
            }
            if (month.year == today.year && month.month == today.month && month.day == today.day) {
                g.fillRectangle(colour == &text ? gray : *colour, (static_cast<float>(w) - 0.5f) * cw + x0 - 1, yr,
                                cw + 1, ch - 2);
                colour = &white;
            }
            g.drawString(format(L"%d", month.day), dayFont, xc, yr, 0, 0, centred, *colour);

            // The running date moves on; a new week row starts on Sunday.
            if (++month.day > month.daysInMonth[static_cast<size_t>(month.month)]) {
                month.day = 1;
                if (++month.month > 12) {
                    month.month = 1;
                    month.year = dialogs::stepYear(month.year, 1);
                }
            }
            w = (w + 1) % 7;
            month.weekday = w;
            if (month.month != i) break;
            if (w == 0) yr += ch;
        }

        if (i % 3 == 0) {
            X = cw;
            Y += static_cast<float>(blockHeight);
        } else {
            X += static_cast<float>(blockWidth);
        }
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
        float lw = gadget::labelWidth(s, hoveredHoliday->name.size());
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
            float lw = gadget::labelWidth(s, era.size());
            float x = (static_cast<float>(blockWidth) - cw - lw) * 0.5f +
                      static_cast<float>(hoverMonthColumn * blockWidth) + cw;
            float y = top + s.sy(30);
            g.fillRectangle(silver, x, y, lw, ch);
            g.drawString(era, labelFont, x, y, lw, ch, centred, black);
        }
    }

    const std::pair<bool, const dialogs::BrowserRect*> hovers[] = {
        {closeHover, &closeRect}, {prevHover, &prevYearRect}, {nextHover, &nextYearRect}};
    for (auto [hovered, rect] : hovers)
        if (hovered) g.fillRectangleI(silver, rect->left, rect->top, rect->width(), rect->height());

    const int32_t a = s.isx(6), b = s.isy(6);
    {
        const dialogs::BrowserRect& r = closeRect;
        g.drawLineI(markPen, r.left + a, r.top + b, r.right - a, r.bottom - b);
        g.drawLineI(markPen, r.left + a, r.bottom - b, r.right - a, r.top + b);
    }
    {
        const dialogs::BrowserRect& r = prevYearRect;
        int32_t m = (r.top + r.bottom) / 2;
        g.drawLineI(markPen, r.right - a, r.top + b, r.left + a, m);
        g.drawLineI(markPen, r.right - a, r.bottom - b, r.left + a, m);
    }
    {
        const dialogs::BrowserRect& r = nextYearRect;
        int32_t m = (r.top + r.bottom) / 2;
        g.drawLineI(markPen, r.left + a, r.top + b, r.right - a, m);
        g.drawLineI(markPen, r.left + a, r.bottom - b, r.right - a, m);
    }
}
