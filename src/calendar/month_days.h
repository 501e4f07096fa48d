#pragma once
// The days of one month's grid in their colours, with today's box: the same in
// the gadget's month panel and in each block of the calendar browser.
#include "app/theme_palette.h"
#include "calendar/month_grid.h"
#include "draw/gdiplus_wrappers.h"

namespace calendar {

// One brush per ink, and the box and the digits of today.
struct DayBrushes {
    explicit DayBrushes(const app::ThemePalette& palette)
        : text(palette.text),
          red(palette.red),
          blue(palette.blue),
          yellow(palette.yellow),
          gray(palette.gray),
          white(0xFFFFFFFF) {}
    const draw::SolidBrush& of(DayInk ink) const;

    draw::SolidBrush text, red, blue, yellow, gray, white;
};

// Draws each day of `layout` centred over its column; the day numbered
// `todayDay` (0 for none) gets a box in its colour (gray for a plain day) and
// white digits.
void drawDays(draw::Graphics& graphics, const MonthGrid& grid, const MonthLayout& layout, int32_t todayDay,
              const draw::Font& font, const draw::StringFormat& format, const DayBrushes& brushes);

}  // namespace calendar
