#pragma once
// The month panel's state and arithmetic: which month it shows, where each day
// sits in the grid and in which colour. Kept apart from the drawing so that it
// is checked natively.
#include <array>
#include <cstdint>
#include <ctime>
#include <span>

#include "app/scale.h"
#include "calendar/month_calendar.h"
#include "draw/rect_f.h"

namespace calendar {

// The month that the panel shows, and the month whose marks it last computed.
struct MonthCalendarPanel : MonthCalendar {
    int32_t computedYear = 0;
    int32_t computedMonth = 0;
    int32_t shownYear = 0;
    int32_t shownMonth = 0;
    bool followToday = true;
};

struct Today {
    int32_t year, month, day;
    bool operator==(const Today&) const = default;
};
// Today in local time; a failed conversion gives 0 for every field.
Today localToday(std::time_t now);

// A panel that follows today moves to today's month; a panel that the user has
// stepped back to today's month follows it again. An unknown today (a failed
// conversion) moves nothing.
void chooseShownMonth(MonthCalendarPanel& panel, const Today& today);

// Puts the cursor on the first day of the shown month. The marks are recomputed
// only when the shown month differs from the one they were computed for. False,
// with nothing changed, when the shown month is not a month (never set).
bool prepareShownMonth(MonthCalendarPanel& panel, std::span<const SpecialDay> specialDays);

// Moves the cursor to the next day, into the next month and year as needed; the
// year stops at the largest one.
void advanceDay(MonthCalendar& calendar);

enum class DayInk { Text, Red, Blue, Yellow };
// A marked day takes its record's colour whatever its weekday.
DayInk dayInk(const SpecialDay* mark, int32_t weekday);

// A month's grid: 7 columns of 17 and up to 6 rows of 15, at 96 dpi and 100 %.
constexpr float MONTH_CELL_WIDTH = 17;
constexpr float MONTH_CELL_HEIGHT = 15;
constexpr int MONTH_COLUMNS = 7;
constexpr int MONTH_ROWS = 6;

// One month's grid of 7 columns (Sunday first) and up to 6 rows, below a row
// for the title and a row for the weekday letters, in window pixels. The
// gadget's month panel is one such grid; each block of the browser is another.
class MonthGrid {
public:
    MonthGrid() = default;
    // The title row's top left at (x, y); the first column's centre lies half a
    // cell and `leftMargin` to the right of x.
    MonthGrid(float x, float y, float cellWidth, float cellHeight, float leftMargin);
    // The grid of the gadget's month panel.
    static MonthGrid ofPanel(const draw::RectF& rect, const app::Scale& scale);

    float x() const { return x_; }
    float y() const { return y_; }
    float cellWidth() const { return cellWidth_; }
    float cellHeight() const { return cellHeight_; }
    float columnCenter(int32_t column) const;
    float weekdayTop() const { return y_ + cellHeight_; }
    float firstRowTop() const { return y_ + 2 * cellHeight_; }
    // The cell of a day centred at `centerX` in the row whose top is `rowTop`.
    int32_t columnOf(float centerX) const;
    int32_t rowOf(float rowTop) const;
    // The box behind today's number, one pixel wider than the column.
    draw::RectF todayBox(int32_t column, float rowTop) const;

private:
    float x_ = 0, y_ = 0;
    float cellWidth_ = 0, cellHeight_ = 0;
    float leftMargin_ = 0;
};

// The rule under the month panel's weekday letters.
struct PanelSeparator {
    float left, right, y;
};
PanelSeparator panelSeparator(const draw::RectF& rect, const app::Scale& scale);

struct DayCell {
    int32_t day, weekday;
    int32_t column, row;  // the cell of calendarCellHolidays
    float centerX, top;
    const SpecialDay* mark;
};
struct MonthLayout {
    std::array<DayCell, 31> cells;
    int32_t count;
};
// Walks the cursor from where prepareShownMonth put it through the days of
// `shownMonth`, placing each in the grid; the cursor ends on the day after the
// last day placed.
MonthLayout layoutMonth(MonthCalendar& calendar, const MonthGrid& grid, int32_t shownMonth);

}  // namespace calendar
