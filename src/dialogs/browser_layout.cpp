#include "dialogs/browser_layout.h"

#include <cmath>
#include <limits>

namespace dialogs {

BrowserLayout browserLayout(const app::Scale& s) {
    BrowserLayout l{};
    l.cellWidth = s.isx(17);
    l.cellHeight = s.isy(15);
    l.blockWidth = 8 * l.cellWidth;
    l.blockHeight = 8 * l.cellHeight;
    l.gridWidth = YEAR_GRID_COLUMNS * l.cellWidth;
    l.gridHeight = YEAR_GRID_ROWS * l.cellHeight;
    l.bandHeight = s.isy(44);
    l.width = l.gridWidth + s.isx(8);
    l.height = l.gridHeight + s.isy(48);
    int32_t panelLeft = s.isx(6), panelTop = s.isy(46);
    l.panel = {panelLeft, panelTop, panelLeft + l.gridWidth - s.isx(4), panelTop + l.gridHeight - s.isy(4)};
    int32_t m = l.gridWidth / 2;
    int32_t fieldLeft = m - s.isx(24), fieldTop = s.isy(15);
    l.yearField = {fieldLeft, fieldTop, fieldLeft + s.isx(48), fieldTop + s.isy(20)};
    int32_t markTop = s.isy(12), markBottom = s.isy(36);
    l.prevYearRect = {m - s.isx(72), markTop, m - s.isx(48), markBottom};
    l.nextYearRect = {m + s.isx(48), markTop, m + s.isx(72), markBottom};
    l.closeRect = {l.gridWidth - s.isx(24), markTop, l.gridWidth, markBottom};
    l.monthTitleRect = {l.cellWidth, 0, 6 * l.cellWidth, l.cellHeight};
    return l;
}

std::optional<Cell> hoverCellAt(const BrowserLayout& l, int32_t x, int32_t y) {
    if (l.cellWidth <= 0 || l.cellHeight <= 0) return std::nullopt;
    int32_t d = l.bandHeight;
    if (!(y > d && y < l.gridHeight + d - l.cellHeight && x >= 0 && x < l.gridWidth - l.cellWidth)) return std::nullopt;
    return Cell{x / l.cellWidth, (y - d) / l.cellHeight};
}

std::optional<MonthBlock> monthTitleAt(const BrowserLayout& l, int32_t x, int32_t y) {
    if (l.blockWidth <= 0 || l.blockHeight <= 0) return std::nullopt;
    int32_t dx = x - l.cellWidth;
    int32_t dy = y - l.bandHeight - l.cellHeight;
    // Left of or above the first block the remainders are negative and miss
    // the title, whose left and top edges are not negative.
    if (!l.monthTitleRect.contains(dx % l.blockWidth, dy % l.blockHeight)) return std::nullopt;
    MonthBlock block{dx / l.blockWidth, dy / l.blockHeight};
    if (block.column < 0 || block.column > 2 || block.row < 0 || block.row > 3) return std::nullopt;
    return block;
}

std::optional<int32_t> cellIndex(int32_t column, int32_t row) {
    if (column < 0 || column >= YEAR_GRID_COLUMNS || row < 0 || row >= YEAR_GRID_ROWS) return std::nullopt;
    return column * YEAR_GRID_ROWS + row;
}

std::optional<int32_t> dayCellIndex(const BrowserLayout& l, float bandTop, float xc, float yr) {
    if (l.cellWidth <= 0 || l.cellHeight <= 0) return std::nullopt;
    float column = std::trunc(xc / static_cast<float>(l.cellWidth));
    float row = std::trunc((yr - bandTop) / static_cast<float>(l.cellHeight) + 0.1f);
    if (!(column >= 0 && column < YEAR_GRID_COLUMNS && row >= 0 && row < YEAR_GRID_ROWS)) return std::nullopt;
    return cellIndex(static_cast<int32_t>(column), static_cast<int32_t>(row));
}

int32_t parseYear(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    int64_t value = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > limit) value = limit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

int32_t stepYear(int32_t year, int32_t step) {
    int64_t next = int64_t{year} + step;
    if (next > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (next < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(next);
}

}  // namespace dialogs
