#include "dialogs/year_layout.h"

namespace dialogs {

namespace {

// The days' centres lie this far right of their column's middle, unscaled.
constexpr float DAY_OFFSET = 2;

}  // namespace

YearLayout layoutYear(const BrowserLayout& l, float bandTop, int32_t year,
                      std::span<const calendar::SpecialDay> specialDays) {
    YearLayout result{};
    const float cw = static_cast<float>(l.cellWidth), ch = static_cast<float>(l.cellHeight);
    calendar::MonthCalendar month;
    float x = cw, y = bandTop + ch;
    for (int32_t i = 1; i <= 12; ++i) {
        const calendar::MonthGrid& grid = result.grids[i - 1] = calendar::MonthGrid(x, y, cw, ch, DAY_OFFSET);
        calendar::setMonth(month, year, i);
        calendar::computeHolidays(month, specialDays);
        const calendar::MonthLayout& days = result.months[i - 1] = calendar::layoutMonth(month, grid, i);
        for (int32_t d = 0; d < days.count; ++d) {
            const calendar::DayCell& cell = days.cells[d];
            if (!cell.mark) continue;
            if (std::optional<int32_t> index = dayCellIndex(l, bandTop, cell.centerX, cell.top))
                result.cells[static_cast<size_t>(*index)] = cell.mark;
        }
        if (i % 3 == 0) {
            x = cw;
            y += static_cast<float>(l.blockHeight);
        } else {
            x += static_cast<float>(l.blockWidth);
        }
    }
    return result;
}

}  // namespace dialogs
