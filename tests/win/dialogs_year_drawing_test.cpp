// The calendar browser's year drawing into an image, with "now" fixed: where
// the blocks go, which cells hold which holiday, the colours of marked days,
// today's box, the labels and the marks.
#include <gtest/gtest.h>

#include <climits>
#include <ctime>

#include "app/now.h"
#include "dialogs/calendar_dlg.h"
#include "support/app_scope.h"
#include "support/test_image.h"

namespace {

using calendar::SpecialDay;
using wintest::AppScope;
using wintest::TestImage;

constexpr int W = 433, H = 558;

std::time_t fixedNow = 0;
std::time_t nowForTest() { return fixedNow; }

// Local noon of a date.
std::time_t localNoon(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

SpecialDay fixedDate(const wchar_t* name, uint8_t kind, int8_t month, int8_t day, uint16_t first = 0,
                     uint16_t last = 9999) {
    SpecialDay d;
    d.name = name;
    d.firstYear = first;
    d.lastYear = last;
    d.kind = kind;
    d.rule = calendar::FixedDate;
    d.month = month;
    d.day = day;
    return d;
}

// The white theme at 96 dpi and 100 %, today 15 March 2023, and records of the test's own.
class YearDrawing : public testing::Test {
protected:
    void SetUp() override {
        fixedNow = localNoon(2023, 3, 15);
        app::setNowForTesting(nowForTest);
        settings_.setSpecialDays({
            fixedDate(L"特別日", calendar::Special, 1, 1),  // 1 Jan 2023: a Sunday
            fixedDate(L"祝日", calendar::Holiday, 1, 7),    // 7 Jan 2023: a Saturday
        });
        calendar::EraName reiwa;
        reiwa.name = L"令和";
        reiwa.firstYear = 2019;
        reiwa.firstMonth = 5;
        reiwa.lastYear = 9999;
        reiwa.lastMonth = 12;
        settings_.setEraNames({reiwa});
    }
    void TearDown() override { app::setNowForTesting(nullptr); }

    // Draws `year` with the marks in place, as the browser does after its initialisation.
    void draw(CCalendarDlg& browser, int32_t year) {
        dialogs::BrowserLayout l = dialogs::browserLayout(theApp.scale());
        browser.closeRect = l.closeRect;
        browser.prevYearRect = l.prevYearRect;
        browser.nextYearRect = l.nextYearRect;
        browser.browseYear = year;
        browser.cellHolidays.fill(nullptr);
        image_ = std::make_unique<TestImage>(W, H);
        draw::SolidBrush panel(theApp.ThemePalette.panel);
        image_->graphics->fillRectangleI(panel, 0, 0, W, H);
        browser.drawYear(*image_->graphics, calendar::localToday(app::now()));
        browser.drawYearOverlays(*image_->graphics);
    }
    uint32_t rgb(int x, int y) const { return image_->rgb(x, y); }
    // Pixels in [x0, x1) x [y0, y1) for which `test` holds.
    template <class Test>
    int count(int x0, int y0, int x1, int y1, Test test) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += test(rgb(x, y));
        return n;
    }

    AppScope settings_{1.0f, 100, 4};
    std::unique_ptr<TestImage> image_;
};

int red(uint32_t p) { return (p >> 16) & 0xFF; }
int green(uint32_t p) { return (p >> 8) & 0xFF; }
int blue(uint32_t p) { return p & 0xFF; }
bool yellowish(uint32_t p) { return blue(p) + 0x40 < red(p) && blue(p) + 0x40 < green(p); }
bool reddish(uint32_t p) { return red(p) > green(p) + 0x40 && red(p) > blue(p) + 0x40; }

constexpr uint32_t PANEL = 0xF0F0F0, GRID = 0xC0C0C0, SILVER = 0xC0C0C0, GRAY = 0x808080;

TEST_F(YearDrawing, BlocksStartAtTheirOrigins) {
    CCalendarDlg browser;
    draw(browser, 2023);
    // Each block's rule runs 28 below its origin, from x to x + 119.
    for (int x : {17, 153, 289})
        for (int y : {59, 179, 299, 419}) {
            EXPECT_EQ(rgb(x + 60, y + 28), GRID) << x << "," << y;
            EXPECT_EQ(rgb(x + 125, y + 28), PANEL) << "gap after the block at " << x << "," << y;
        }
}

TEST_F(YearDrawing, HolidaysFillTheirCellsInTheirColours) {
    CCalendarDlg browser;
    draw(browser, 2023);
    const SpecialDay* special = &theApp.specialDays[0];
    const SpecialDay* holiday = &theApp.specialDays[1];
    // January's first week is row 3; its Sunday is column 1 and its Saturday column 7.
    EXPECT_EQ(browser.cellHolidays[1 * 34 + 3], special);
    EXPECT_EQ(browser.cellHolidays[7 * 34 + 3], holiday);
    // Only those two January cells (and the same days of the other months for none).
    int filled = 0;
    for (const SpecialDay* entry : browser.cellHolidays) filled += entry != nullptr;
    EXPECT_EQ(filled, 2);
    // A Special day is yellow even on a Sunday; a Holiday red even on a Saturday.
    EXPECT_GT(count(18, 89, 34, 104, yellowish), 0);
    EXPECT_EQ(count(18, 89, 34, 104, reddish), 0);
    EXPECT_GT(count(120, 89, 136, 104, reddish), 0);
    // An ordinary Sunday (8 January) stays red.
    EXPECT_GT(count(18, 104, 34, 119, reddish), 0);
}

TEST_F(YearDrawing, TodaysBoxOnlyInTheCurrentYear) {
    // 15 March 2023, a Wednesday in the third week of the third block: box at x 341, y 119.
    CCalendarDlg current;
    draw(current, 2023);
    EXPECT_EQ(rgb(342, 120), GRAY);
    EXPECT_EQ(rgb(342, 130), GRAY);
    EXPECT_GT(count(345, 119, 357, 132, [](uint32_t p) { return p == 0xFFFFFF; }), 0) << "white number";
    CCalendarDlg other;
    draw(other, 2022);
    EXPECT_EQ(rgb(342, 120), PANEL);
}

TEST_F(YearDrawing, EraLabelOnlyForAMonthInAnEra) {
    for (int32_t year : {2023, 1900}) {
        CCalendarDlg browser;
        browser.titleHover = true;
        browser.hoverMonthColumn = 0;
        browser.hoverMonthRow = 0;
        draw(browser, year);
        bool inEra = year == 2023;
        // The outline's left edge at x 34 beside January's title, and the label under it from y 89.
        EXPECT_EQ(rgb(34, 66) == GRID, inEra) << year;
        EXPECT_EQ(rgb(51, 90) == SILVER, inEra) << year;
    }
}

TEST_F(YearDrawing, HolidayLabelGrowsLeftInTheLastColumns) {
    struct Case {
        int32_t column;
        bool left;
    };
    for (Case c : {Case{20, false}, Case{22, true}}) {
        CCalendarDlg browser;
        browser.hoveredHoliday = &theApp.specialDays[1];  // two characters: 29 wide
        browser.hoverColumn = c.column;
        browser.hoverRow = 10;
        draw(browser, 2023);
        int bx = 17 * c.column + 2, y = 15 * 10 + 44 - 15;
        EXPECT_EQ(rgb(bx - 6, y + 13) == SILVER, c.left) << c.column;
        EXPECT_EQ(rgb(bx + 22, y + 13) == SILVER, !c.left) << c.column;
        EXPECT_EQ(rgb(bx + 1, y + 13), SILVER) << c.column;
    }
}

TEST_F(YearDrawing, MarksAndTheirHoverFills) {
    CCalendarDlg browser;
    browser.closeHover = true;
    draw(browser, 2023);
    // The close cross meets in the middle of (401, 12)-(425, 36), over the silver hover fill.
    EXPECT_LT(red(rgb(413, 24)), 0x60);
    EXPECT_EQ(rgb(403, 14), SILVER);
    // The previous mark points left to (146, 24), the next one right to (278, 24); no fills there.
    EXPECT_LT(red(rgb(146, 24)), 0x60);
    EXPECT_LT(red(rgb(278, 24)), 0x60);
    EXPECT_EQ(rgb(142, 14), PANEL);
}

TEST_F(YearDrawing, FarYearsStayInsideTheTables) {
    // A rule for the year 0 only: 1 January of the year 0 was a Saturday.
    settings_.setSpecialDays({fixedDate(L"零年", calendar::Holiday, 1, 1, 0, 0)});
    for (int32_t year : {-100000, 0, 100000, INT_MIN, INT_MAX}) {
        CCalendarDlg browser;
        draw(browser, year);
        int filled = 0;
        for (const SpecialDay* entry : browser.cellHolidays) filled += entry != nullptr;
        EXPECT_EQ(filled, year == 0 ? 1 : 0) << year;
        if (year == 0) {
            EXPECT_EQ(browser.cellHolidays[7 * 34 + 3], &theApp.specialDays[0]);
        }
        // Every block got its rule line.
        EXPECT_EQ(rgb(289 + 60, 419 + 28), GRID) << year;
    }
}

}  // namespace
