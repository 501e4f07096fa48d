#pragma once
// Where everything sits in the gadget window, at the current scale. The numbers
// are 96-dpi, 100 % lengths, scaled through app::Scale only.
#include <array>
#include <cstdint>

#include "app/int_rect.h"
#include "app/scale.h"
#include "calendar/month_grid.h"
#include "draw/rect_f.h"

namespace gadget {

enum Panel { ClockPanel, CalendarPanel, CpuPanel, DiskPanel, CpuClockPanel, MemoryPanel, RxPanel, TxPanel };
constexpr int PANEL_COUNT = 8;

// The panels in drawing order, as float rectangles (x, y, width, height).
std::array<draw::RectF, PANEL_COUNT> panelRects(const app::Scale& s);

// Bands across the whole window where the clicks that need no box act; a
// band's edges lie outside it.
struct MouseBands {
    int32_t aboutBottom;                // a double click above opens the About box
    int32_t todayTop, todayBottom;      // a click between returns to today's month
    int32_t browserTop, browserBottom;  // a double click between opens the browser
    int32_t taskManagerTop;             // a double click below opens Task Manager
};

struct HitRects {
    app::IntRect calendarRect, closeRect, moveRect, prevMonthRect, nextMonthRect, titleRect;
    MouseBands bands;
};
HitRects hitRects(const app::Scale& s);

// The cell under (x, y) of the calendar grid, or false outside the 7 x 6 cells.
bool calendarCellAt(const app::Scale& s, const app::IntRect& calendarRect, int32_t x, int32_t y, int32_t& column,
                    int32_t& row);

}  // namespace gadget
