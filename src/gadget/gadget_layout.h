#pragma once
// Where everything sits in the gadget window, at the current scale. The numbers
// are 96-dpi, 100 % lengths, scaled through app::Scale only.
#include <array>
#include <cstdint>

#include "app/scale.h"
#include "draw/rect_f.h"

namespace gadget {

struct IntRect {
    int32_t left, top, right, bottom;  // right and bottom exclusive
    bool contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};

enum Panel { ClockPanel, CalendarPanel, CpuPanel, DiskPanel, CpuClockPanel, MemoryPanel, RxPanel, TxPanel };
constexpr int PANEL_COUNT = 8;

// The panels in drawing order, as float rectangles (x, y, width, height).
std::array<draw::RectF, PANEL_COUNT> panelRects(const app::Scale& s);

struct HitRects {
    IntRect calendarRect, closeRect, moveRect, prevMonthRect, nextMonthRect, titleRect;
};
HitRects hitRects(const app::Scale& s);

// The calendar grid: 7 columns of 17 and 6 rows of 15.
constexpr float CELL_WIDTH = 17;
constexpr float CELL_HEIGHT = 15;
constexpr int GRID_COLUMNS = 7;
constexpr int GRID_ROWS = 6;

// The cell under (x, y) of the calendar grid, or false outside the 7 x 6 cells.
bool calendarCellAt(const app::Scale& s, const IntRect& calendarRect, int32_t x, int32_t y, int32_t& column,
                    int32_t& row);

// Hover labels are 12 units per character plus 5, in single precision.
float labelWidth(const app::Scale& s, size_t characters);

}  // namespace gadget
