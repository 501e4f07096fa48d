// The calendar browser's arithmetic: its layout, which cell and which month
// title lie under the pointer, the cell of each drawn day, and typed years.
#include <gtest/gtest.h>

#include "dialogs/browser_layout.h"

namespace dialogs {
namespace {

bool sameRect(const app::IntRect& r, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

TEST(BrowserLayout, AtNinetySixDpiAndFullSize) {
    BrowserLayout l = browserLayout({1.0f, 1.0f, 100});
    EXPECT_EQ(l.cellWidth, 17);
    EXPECT_EQ(l.cellHeight, 15);
    EXPECT_EQ(l.blockWidth, 136);
    EXPECT_EQ(l.blockHeight, 120);
    EXPECT_EQ(l.width, 433);
    EXPECT_EQ(l.height, 558);
    EXPECT_EQ(l.bandHeight, 44);
    EXPECT_TRUE(sameRect(l.yearField, 188, 15, 236, 35));
    EXPECT_TRUE(sameRect(l.prevYearRect, 140, 12, 164, 36));
    EXPECT_TRUE(sameRect(l.nextYearRect, 260, 12, 284, 36));
    EXPECT_TRUE(sameRect(l.closeRect, 401, 12, 425, 36));
    EXPECT_TRUE(sameRect(l.panel, 6, 46, 427, 552));
    EXPECT_TRUE(sameRect(l.monthTitleRect, 17, 0, 102, 15));
}

TEST(BrowserLayout, FollowsDpiAndSize) {
    BrowserLayout l = browserLayout({1.5f, 1.5f, 120});
    EXPECT_EQ(l.cellWidth, 30);   // 17 x 1.8 = 30.6
    EXPECT_EQ(l.cellHeight, 27);  // 15 x 1.8
    EXPECT_EQ(l.width, 25 * 30 + 14);
    EXPECT_EQ(l.height, 34 * 27 + 86);
    EXPECT_TRUE(sameRect(l.closeRect, 750 - 43, 21, 750, 64));
}

TEST(BrowserLayout, HoverCellOnlyInTheGridRegion) {
    BrowserLayout l = browserLayout({1.0f, 1.0f, 100});
    struct Case {
        int32_t x, y;
        bool inside;
        int32_t column, row;
    };
    // Region: 44 < y < 510 + 44 - 15 = 539 and 0 <= x < 425 - 17 = 408.
    const Case cases[] = {
        {0, 45, true, 0, 0},     {27, 104, true, 1, 4},   {407, 538, true, 23, 32}, {100, 44, false, 0, 0},
        {100, 539, false, 0, 0}, {408, 100, false, 0, 0}, {-1, 100, false, 0, 0},   {300, 20, false, 0, 0},
    };
    for (const Case& c : cases) {
        std::optional<Cell> cell = hoverCellAt(l, c.x, c.y);
        ASSERT_EQ(cell.has_value(), c.inside) << c.x << "," << c.y;
        if (!cell) continue;
        EXPECT_EQ(cell->column, c.column) << c.x << "," << c.y;
        EXPECT_EQ(cell->row, c.row) << c.x << "," << c.y;
        EXPECT_TRUE(cellIndex(cell->column, cell->row).has_value());
    }
}

TEST(BrowserLayout, MonthTitleUnderThePointer) {
    BrowserLayout l = browserLayout({1.0f, 1.0f, 100});
    struct Case {
        int32_t x, y;
        bool inside;
        int32_t column, row;
        const char* what;
    };
    // Block origins x = 17, 153, 289 and y = 59, 179, 299, 419; titles from +17 to +102, 15 high.
    const Case cases[] = {
        {34, 59, true, 0, 0, "January's title, top-left pixel"},
        {118, 73, true, 0, 0, "January's title, bottom-right pixel"},
        {119, 65, false, 0, 0, "right of January's title"},
        {33, 65, false, 0, 0, "left of January's title"},
        {34, 74, false, 0, 0, "below January's title"},
        {200, 180, true, 1, 1, "May"},
        {350, 430, true, 2, 3, "December"},
        {400, 430, false, 0, 0, "right of December's title"},
        {10, 65, false, 0, 0, "left of the first block: negative remainder"},
        {50, 50, false, 0, 0, "above the first block: negative remainder"},
    };
    for (const Case& c : cases) {
        std::optional<MonthBlock> block = monthTitleAt(l, c.x, c.y);
        ASSERT_EQ(block.has_value(), c.inside) << c.what;
        if (!block) continue;
        EXPECT_EQ(block->column, c.column) << c.what;
        EXPECT_EQ(block->row, c.row) << c.what;
    }
}

TEST(BrowserLayout, DayCells) {
    BrowserLayout l = browserLayout({1.0f, 1.0f, 100});
    // January's first week: row top 59 + 30 = 89; Sunday's centre 27.5 is column 1, row 3.
    EXPECT_EQ(dayCellIndex(l, 44.0f, 27.5f, 89.0f), 1 * YEAR_GRID_ROWS + 3);
    // December's Saturday in its sixth week: column 6 + 1 + 16, row 3 + 5 + 24.
    float xc = 6 * 17 + 0.5f * 17 + 289 + 2, yr = 419 + 30 + 5 * 15;
    EXPECT_EQ(dayCellIndex(l, 44.0f, xc, yr), 23 * YEAR_GRID_ROWS + 32);
    // A scale too small to draw anything keeps every index out of the table.
    BrowserLayout tiny = browserLayout({1.0f, 1.0f, 1});
    EXPECT_FALSE(dayCellIndex(tiny, 0.44f, 100.0f, 10.0f).has_value());
    EXPECT_FALSE(hoverCellAt(tiny, 0, 1).has_value());
    EXPECT_FALSE(monthTitleAt(tiny, 0, 1).has_value());
    EXPECT_FALSE(cellIndex(25, 0).has_value());
    EXPECT_FALSE(cellIndex(0, 34).has_value());
    EXPECT_FALSE(cellIndex(-1, 0).has_value());
}

TEST(TypedYear, ParsesLikeTheRuntime) {
    const std::pair<const wchar_t*, int32_t> cases[] = {
        {L"2019", 2019},
        {L"", 0},
        {L"abc", 0},
        {L"  42x", 42},
        {L"-100000", -100000},
        {L"+7", 7},
        {L"0012", 12},
        {L"99999999999", 2147483647},
        {L"-99999999999", -2147483647 - 1},
        {L"-", 0},
    };
    for (auto [text, year] : cases) EXPECT_EQ(parseYear(text), year) << static_cast<const void*>(text);
}

TEST(TypedYear, SteppingStopsAtTheEndsOfTheRange) {
    EXPECT_EQ(stepYear(2019, -1), 2018);
    EXPECT_EQ(stepYear(9999, 1), 10000);
    EXPECT_EQ(stepYear(0, -1), -1);
    EXPECT_EQ(stepYear(2147483647, 1), 2147483647);
    EXPECT_EQ(stepYear(-2147483647 - 1, -1), -2147483647 - 1);
}

}  // namespace
}  // namespace dialogs
