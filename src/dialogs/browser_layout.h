#pragma once
// The calendar browser's geometry and arithmetic: twelve month blocks of 8 x 8
// cells in a grid of 25 x 34 cells under a top band, and the hit tests over it.
// Plain values, so it is tested natively.
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/int_rect.h"
#include "app/scale.h"

namespace dialogs {

constexpr int32_t YEAR_GRID_COLUMNS = 25;
constexpr int32_t YEAR_GRID_ROWS = 34;
constexpr int32_t CELL_COUNT = YEAR_GRID_COLUMNS * YEAR_GRID_ROWS;

struct BrowserLayout {
    int32_t cellWidth, cellHeight;
    int32_t blockWidth, blockHeight;  // 8 x 8 cells
    int32_t gridWidth, gridHeight;    // 25 x 34 cells
    int32_t bandHeight;               // the top band: trunc(44 sy)
    int32_t width, height;            // the window
    app::IntRect panel;
    app::IntRect yearField;
    app::IntRect prevYearRect, nextYearRect, closeRect;
    app::IntRect monthTitleRect;  // relative to a block's origin
};

BrowserLayout browserLayout(const app::Scale& s);

// The cell under (x, y) when it lies in the grid region where the pointer
// hovers days: d < y < gridHeight + d - cellHeight and 0 <= x < gridWidth - cellWidth.
struct Cell {
    int32_t column, row;
};
std::optional<Cell> hoverCellAt(const BrowserLayout& layout, int32_t x, int32_t y);

// The month block whose title lies under (x, y): column 0..2, row 0..3.
struct MonthBlock {
    int32_t column, row;
};
std::optional<MonthBlock> monthTitleAt(const BrowserLayout& layout, int32_t x, int32_t y);

// Index into the cell table (column * 34 + row), or none outside the table.
std::optional<int32_t> cellIndex(int32_t column, int32_t row);

// The cell of a day drawn with its centre at xc and its top at yr.
std::optional<int32_t> dayCellIndex(const BrowserLayout& layout, float bandTop, float xc, float yr);

// A typed year: leading white space and a sign, then digits up to the first
// other character; no digits give 0. Values beyond the int32 range saturate.
int32_t parseYear(std::wstring_view text);

// The year one step away, stopping at the ends of the int32 range.
int32_t stepYear(int32_t year, int32_t step);

}  // namespace dialogs
