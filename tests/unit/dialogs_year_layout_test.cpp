// The browser's year laid out without drawing: where each month's days fall and
// which cell of the hover table holds each marked day.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "calendar_records_fixture.h"
#include "dialogs/year_layout.h"

namespace dialogs {
namespace {

using namespace calendar_fixture;

TEST(YearLayout, MarkedDaysFillTheCellsUnderThem) {
    const BrowserLayout l = browserLayout({});
    const std::vector<SpecialDay> days = {fixed(1, 1), fixed(12, 31, Special), fixed(7, 15, RestDay)};
    const YearLayout year = layoutYear(l, 44, 2023, days);
    struct Case {
        const char* what;
        int32_t column, row;
        const SpecialDay* mark;
    };
    const Case cases[] = {
        {"Sunday 1 January: first block, first week row", 1, 3, &days[0]},
        {"Saturday 15 July: first block of the third row", 1 + 6, 2 * 8 + 3 + 2, &days[2]},
        {"Sunday 31 December: last block, sixth week row", 2 * 8 + 1, 3 * 8 + 3 + 5, &days[1]},
    };
    int filled = 0;
    for (const SpecialDay* cell : year.cells) filled += cell != nullptr;
    EXPECT_EQ(filled, 3);
    for (const Case& c : cases) EXPECT_EQ(year.cells[*cellIndex(c.column, c.row)], c.mark) << c.what;
}

TEST(YearLayout, BlocksStandThreeARowFromOneCellIn) {
    const BrowserLayout l = browserLayout({});
    const YearLayout year = layoutYear(l, 44, 2024, {});
    for (int32_t i = 0; i < 12; ++i) {
        EXPECT_FLOAT_EQ(year.grids[i].x(), 17 + 136 * (i % 3)) << i + 1;
        EXPECT_FLOAT_EQ(year.grids[i].y(), 44 + 15 + 120 * (i / 3)) << i + 1;
    }
    // June 2024 starts on a Saturday and needs all six rows.
    const calendar::MonthLayout& june = year.months[5];
    ASSERT_EQ(june.count, 30);
    EXPECT_EQ(june.cells[0].weekday, 6);
    EXPECT_FLOAT_EQ(june.cells[29].top, year.grids[5].firstRowTop() + 5 * 15);
}

// Every month is walked to its end, even where the next month would be beyond
// the largest year.
TEST(YearLayout, TheLastYearsWalkEndsWithDecember) {
    const BrowserLayout l = browserLayout({});
    for (int32_t y : {std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()}) {
        const YearLayout year = layoutYear(l, 44, y, {});
        EXPECT_EQ(year.months[11].count, 31) << y;
        EXPECT_EQ(year.months[1].count >= 28 && year.months[1].count <= 29, true) << y;
    }
}

}  // namespace
}  // namespace dialogs
