// The clock and the month as the user sees them on the screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

bool differs(uint32_t a, uint32_t b) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > 60) return true;
    return false;
}

class PanelsOnScreen : public testing::Test {
protected:
    void SetUp() override {
        gadget_.setSetting(L"MainLeft", 700);
        gadget_.setSetting(L"MainTop", 100);
        gadget_.setSetting(L"ColorSelect", 1);
        gadget_.setSetting(L"Size", 100);
        gadget_.setSetting(L"Shadow", 0);
        ASSERT_TRUE(gadget_.start());
        RECT r = gadget_.windowRect();
        left_ = r.left;
        top_ = r.top;
    }
    RECT area(int x, int y, int width, int height) const {
        return {left_ + x, top_ + y, left_ + x + width, top_ + y + height};
    }

    GadgetProcess gadget_;
    int left_ = 0, top_ = 0;
};

TEST_F(PanelsOnScreen, MonthIsTheCurrentOneWithTodayBoxed) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    const int year = today.wYear, month = today.wMonth, day = today.wDay;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int lengths[] = {0, 31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int firstColumn = ((today.wDayOfWeek - (day - 1)) % 7 + 7) % 7;

    // The month panel at 96 dpi and 100 %: x 6..130, y 132..256; rows of 15 from 162.
    ScreenShot shot(area(0, 0, 136, 262));
    const uint32_t panel = shot.pixel(left_ + 7, top_ + 253);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) {
            int d = row * 7 + column - firstColumn + 1;
            int cx = left_ + 16 + 17 * column, cellTop = top_ + 162 + 15 * row;
            int inked = 0;
            for (int y = cellTop + 1; y < cellTop + 13; ++y)
                for (int x = cx - 7; x < cx + 8; ++x) inked += differs(shot.pixel(x, y), panel);
            bool drawn = d >= 1 && d <= lengths[month];
            EXPECT_EQ(inked > 4, drawn) << "column " << column << ", row " << row << ", day " << d;

            // Today's box: one colour from its top-left to its bottom-right pixel, white digits on it.
            int boxLeft = left_ + 7 + 17 * column;
            bool boxed = shot.pixel(boxLeft, cellTop) == shot.pixel(boxLeft + 17, cellTop + 12) &&
                         differs(shot.pixel(boxLeft, cellTop), panel);
            EXPECT_EQ(boxed, d == day) << "column " << column << ", row " << row << ", day " << d;
            if (d == day) {
                int white = 0;
                for (int y = cellTop + 1; y < cellTop + 12; ++y)
                    for (int x = cx - 6; x < cx + 7; ++x) white += shot.pixel(x, y) == 0xFFFFFF;
                EXPECT_GT(white, 3) << "today's digits";
            }
        }
}

TEST_F(PanelsOnScreen, ClockMovesOnWithTheSeconds) {
    ScreenShot before(area(6, 6, 124, 124));
    int changed = 0;
    // A tick comes every second; under load its repaint may come late.
    EXPECT_TRUE(waitUntil([&] { return (changed = ScreenShot(area(6, 6, 124, 124)).differences(before)) > 10; }, 5000));
    // The second hand has moved: some pixels, not the whole panel.
    EXPECT_LT(changed, 124 * 124 / 4);
}

}  // namespace
}  // namespace e2e
