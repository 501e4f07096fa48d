#include "calendar/month_grid.h"

#include <limits>

namespace calendar {

namespace {

bool isMonth(int32_t month) { return month >= 1 && month <= 12; }

// Lengths of the grid at 96 dpi and 100 %.
constexpr float GRID_LEFT_MARGIN = 2;
constexpr float SEPARATOR_TOP = 29;
constexpr float SEPARATOR_LEFT = 2;
constexpr float SEPARATOR_RIGHT_MARGIN = 4;

}  // namespace

Today localToday(std::time_t now) {
    const std::tm* local = std::localtime(&now);
    if (!local) return {0, 0, 0};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

void chooseShownMonth(MonthCalendarPanel& panel, const Today& today) {
    if (!isMonth(today.month)) return;
    if (panel.shownYear == today.year && panel.shownMonth == today.month) {
        panel.followToday = true;
    } else if (panel.followToday) {
        panel.shownYear = today.year;
        panel.shownMonth = today.month;
    }
}

bool prepareShownMonth(MonthCalendarPanel& panel, std::span<const SpecialDay> specialDays) {
    if (!isMonth(panel.shownMonth)) return false;
    setMonth(panel, panel.shownYear, panel.shownMonth);
    if (panel.shownYear != panel.computedYear || panel.shownMonth != panel.computedMonth)
        computeHolidays(panel, specialDays);
    panel.computedYear = panel.shownYear;
    panel.computedMonth = panel.shownMonth;
    return true;
}

void advanceDay(MonthCalendar& c) {
    if (++c.day > c.daysInMonth[c.month]) {
        c.day = 1;
        if (++c.month == 13) {
            c.month = 1;
            if (c.year < std::numeric_limits<int32_t>::max()) ++c.year;
        }
    }
    if (++c.weekday == 7) c.weekday = 0;
}

DayInk dayInk(const SpecialDay* mark, int32_t weekday) {
    if (mark) return mark->kind == Special ? DayInk::Yellow : DayInk::Red;
    if (weekday == 0) return DayInk::Red;
    if (weekday == 6) return DayInk::Blue;
    return DayInk::Text;
}

MonthGrid::MonthGrid(float x, float y, float cellWidth, float cellHeight, float leftMargin)
    : x_(x), y_(y), cellWidth_(cellWidth), cellHeight_(cellHeight), leftMargin_(leftMargin) {}

MonthGrid MonthGrid::ofPanel(const draw::RectF& rect, const app::Scale& s) {
    return {rect.x, rect.y, s.sx(MONTH_CELL_WIDTH), s.sy(MONTH_CELL_HEIGHT), s.sx(GRID_LEFT_MARGIN)};
}

float MonthGrid::columnCenter(int32_t column) const {
    return x_ + cellWidth_ * 0.5f + leftMargin_ + static_cast<float>(column) * cellWidth_;
}

int32_t MonthGrid::columnOf(float centerX) const { return app::truncToInt((centerX - x_) / cellWidth_); }

// The 0.1 absorbs the rounding of row tops summed in single precision.
int32_t MonthGrid::rowOf(float rowTop) const {
    return app::truncToInt((rowTop - y_ - 2 * cellHeight_) / cellHeight_ + 0.1f);
}

PanelSeparator panelSeparator(const draw::RectF& rect, const app::Scale& s) {
    return {rect.x + s.sx(SEPARATOR_LEFT), rect.x + rect.width - s.sx(SEPARATOR_RIGHT_MARGIN),
            rect.y + s.sy(SEPARATOR_TOP)};
}

draw::RectF MonthGrid::todayBox(int32_t column, float rowTop) const {
    return {(column - 0.5f) * cellWidth_ + columnCenter(0) - 1, rowTop, cellWidth_ + 1, cellHeight_ - 2};
}

MonthLayout layoutMonth(MonthCalendar& calendar, const MonthGrid& grid, int32_t shownMonth) {
    MonthLayout layout{};
    float rowTop = grid.firstRowTop();
    while (layout.count < static_cast<int32_t>(layout.cells.size())) {
        float centerX = grid.columnCenter(calendar.weekday);
        layout.cells[layout.count++] = {calendar.day, calendar.weekday, grid.columnOf(centerX),      grid.rowOf(rowTop),
                                        centerX,      rowTop,           calendar.marks[calendar.day]};
        advanceDay(calendar);
        if (calendar.month != shownMonth) break;
        if (calendar.weekday == 0) rowTop += grid.cellHeight();
    }
    return layout;
}

}  // namespace calendar
