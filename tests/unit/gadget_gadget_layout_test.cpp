#include <gtest/gtest.h>

#include "gadget/gadget_layout.h"

namespace {

using app::IntRect;

void expectRect(const IntRect& r, IntRect e, const char* what) {
    EXPECT_EQ(r.left, e.left) << what;
    EXPECT_EQ(r.top, e.top) << what;
    EXPECT_EQ(r.right, e.right) << what;
    EXPECT_EQ(r.bottom, e.bottom) << what;
}

TEST(GadgetLayout, HitRectanglesAt100And120Percent) {
    gadget::HitRects at100 = gadget::hitRects({1, 1, 100});
    expectRect(at100.calendarRect, {8, 162, 127, 252}, "calendar 100");
    expectRect(at100.closeRect, {111, 10, 125, 23}, "close 100");
    expectRect(at100.moveRect, {9, 10, 23, 23}, "move 100");
    expectRect(at100.prevMonthRect, {9, 135, 20, 146}, "prev 100");
    expectRect(at100.nextMonthRect, {116, 135, 127, 146}, "next 100");
    expectRect(at100.titleRect, {24, 135, 112, 150}, "title 100");

    gadget::HitRects at120 = gadget::hitRects({1, 1, 120});
    expectRect(at120.closeRect, {133, 12, 150, 27}, "close 120");
    expectRect(at120.calendarRect, {9, 194, 152, 302}, "calendar 120");
    expectRect(at120.moveRect, {10, 12, 27, 27}, "move 120");
    expectRect(at120.titleRect, {28, 162, 134, 180}, "title 120");
}

TEST(GadgetLayout, PanelRectanglesKeepTheirFractions) {
    auto panels = gadget::panelRects({1, 1, 120});
    const draw::RectF& cpu = panels[gadget::CpuPanel];
    EXPECT_FLOAT_EQ(cpu.x, 7.2f);
    EXPECT_FLOAT_EQ(cpu.y, 309.6f);
    EXPECT_FLOAT_EQ(cpu.width, 72.0f);
    EXPECT_FLOAT_EQ(cpu.height, 64.8f);
    auto at100 = gadget::panelRects({1, 1, 100});
    EXPECT_FLOAT_EQ(at100[gadget::TxPanel].x, 70.0f);
    EXPECT_FLOAT_EQ(at100[gadget::TxPanel].height, 74.0f);
}

TEST(GadgetLayout, CalendarCellsNeverLeaveTheSevenBySixGrid) {
    for (int32_t percent : {80, 90, 100, 110, 120}) {
        for (float dpi : {1.0f, 1.25f, 1.5f}) {
            app::Scale s{dpi, dpi, percent};
            IntRect grid = gadget::hitRects(s).calendarRect;
            for (int32_t y = grid.top - 2; y < grid.bottom + 2; ++y) {
                for (int32_t x = grid.left - 2; x < grid.right + 2; ++x) {
                    int32_t column = -1, row = -1;
                    if (gadget::calendarCellAt(s, grid, x, y, column, row)) {
                        ASSERT_GE(column, 0);
                        ASSERT_LT(column, 7) << percent << "% " << dpi << " at " << x << "," << y;
                        ASSERT_GE(row, 0);
                        ASSERT_LT(row, 6) << percent << "% " << dpi << " at " << x << "," << y;
                    }
                }
            }
        }
    }
    int32_t column = -1, row = -1;
    ASSERT_TRUE(gadget::calendarCellAt({1, 1, 100}, {8, 162, 127, 252}, 8 + 17 * 3, 162 + 15 * 2, column, row));
    EXPECT_EQ(column, 3);
    EXPECT_EQ(row, 2);
}

TEST(Scale, StoredSizesThatMakeNoSenseStayDefined) {
    // Run under UBSan natively: an out-of-range float to int conversion would be reported.
    // The close box's left edge lies at 111 units: past the ends of int it stops there.
    struct Case {
        int32_t percent, width, height, closeLeft;
    } cases[] = {{0, 0, 0, 0},
                 {-1, -1, -4, -1},
                 {100000, 136000, 462000, 111000},
                 {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
                 {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}};
    for (const Case& c : cases) {
        app::Scale s{1, 1, c.percent};
        app::WindowSize size = app::gadgetWindowSize(s);
        EXPECT_EQ(size.width, c.width) << c.percent;
        EXPECT_EQ(size.height, c.height) << c.percent;
        EXPECT_EQ(gadget::hitRects(s).closeRect.left, c.closeLeft) << c.percent;
    }
    EXPECT_EQ(app::truncToInt(std::nan("")), 0);
}

}  // namespace
