#include "calendar/month_days.h"

#include <string>

namespace calendar {

const draw::SolidBrush& DayBrushes::of(DayInk ink) const {
    switch (ink) {
        case DayInk::Red: return red;
        case DayInk::Blue: return blue;
        case DayInk::Yellow: return yellow;
        case DayInk::Text: break;
    }
    return text;
}

void drawDays(draw::Graphics& g, const MonthGrid& grid, const MonthLayout& layout, int32_t todayDay,
              const draw::Font& font, const draw::StringFormat& format, const DayBrushes& brushes) {
    for (int32_t i = 0; i < layout.count; ++i) {
        const DayCell& cell = layout.cells[i];
        const DayInk ink = dayInk(cell.mark, cell.weekday);
        const draw::SolidBrush* digits = &brushes.of(ink);
        if (cell.day == todayDay) {
            draw::RectF box = grid.todayBox(cell.weekday, cell.top);
            g.fillRectangle(ink == DayInk::Text ? brushes.gray : *digits, box.x, box.y, box.width, box.height);
            digits = &brushes.white;
        }
        g.drawString(std::to_wstring(cell.day), font, cell.centerX, cell.top, 0, 0, format, *digits);
    }
}

}  // namespace calendar
