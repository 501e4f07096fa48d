#pragma once
// The browser's year: twelve month blocks, three a row, each one month grid
// with its days placed, and the table of the marked day of every cell that the
// hover labels read. Plain values, so it is tested natively.
#include <array>
#include <cstdint>
#include <span>

#include "calendar/month_grid.h"
#include "dialogs/browser_layout.h"

namespace dialogs {

struct YearLayout {
    std::array<calendar::MonthGrid, 12> grids;  // January first
    std::array<calendar::MonthLayout, 12> months;
    // The record of the day in each cell, at column * YEAR_GRID_ROWS + row.
    std::array<const calendar::SpecialDay*, CELL_COUNT> cells{};
};

// `bandTop` is the top band's height in window pixels, where the first row of
// blocks starts one cell lower.
YearLayout layoutYear(const BrowserLayout& layout, float bandTop, int32_t year,
                      std::span<const calendar::SpecialDay> specialDays);

}  // namespace dialogs
