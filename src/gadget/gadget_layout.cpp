#include "gadget/gadget_layout.h"

namespace gadget {

namespace {

struct Box {
    float x, y, width, height;
};
constexpr Box panelBoxes[PANEL_COUNT] = {
    {6, 6, 124, 124}, {6, 132, 124, 124}, {6, 258, 60, 54}, {70, 258, 60, 54},
    {6, 315, 60, 64}, {70, 315, 60, 64},  {6, 382, 60, 74}, {70, 382, 60, 74},
};

app::IntRect scaled(const app::Scale& s, float left, float top, float right, float bottom) {
    return {s.isx(left), s.isy(top), s.isx(right), s.isy(bottom)};
}

}  // namespace

std::array<draw::RectF, PANEL_COUNT> panelRects(const app::Scale& s) {
    std::array<draw::RectF, PANEL_COUNT> rects{};
    for (int i = 0; i < PANEL_COUNT; ++i) {
        const Box& b = panelBoxes[i];
        rects[i] = {s.sx(b.x), s.sy(b.y), s.sx(b.width), s.sy(b.height)};
    }
    return rects;
}

HitRects hitRects(const app::Scale& s) {
    return {
        scaled(s, 8, 162, 127, 252),    // calendarRect
        scaled(s, 111, 10, 125, 23),    // closeRect
        scaled(s, 9, 10, 23, 23),       // moveRect
        scaled(s, 9, 135, 20, 146),     // prevMonthRect
        scaled(s, 116, 135, 127, 146),  // nextMonthRect
        scaled(s, 24, 135, 112, 150),   // titleRect
        {s.isy(131), s.isy(159), s.isy(256), s.isy(161), s.isy(258), s.isy(258)},
    };
}

bool calendarCellAt(const app::Scale& s, const app::IntRect& calendarRect, int32_t x, int32_t y, int32_t& column,
                    int32_t& row) {
    if (!calendarRect.contains(x, y)) return false;
    int32_t r = app::truncToInt(static_cast<float>(y - calendarRect.top) / s.sy(calendar::MONTH_CELL_HEIGHT));
    int32_t c = app::truncToInt(static_cast<float>(x - calendarRect.left) / s.sx(calendar::MONTH_CELL_WIDTH));
    // The grid rectangle is truncated separately from the cells, so its last
    // pixels can fall past the sixth row or the seventh column at some scales.
    if (c < 0 || c >= calendar::MONTH_COLUMNS || r < 0 || r >= calendar::MONTH_ROWS) return false;
    column = c;
    row = r;
    return true;
}

}  // namespace gadget
