// The month panel's arithmetic: which month it shows, where each day sits and
// in which colour.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "calendar/month_grid.h"
#include "gadget/gadget_layout.h"

namespace calendar {
namespace {

draw::RectF calendarRect(const app::Scale& s) { return gadget::panelRects(s)[gadget::CalendarPanel]; }

MonthLayout layoutOf(int32_t year, int32_t month, const app::Scale& s = {}) {
    MonthCalendar calendar;
    setMonth(calendar, year, month);
    return layoutMonth(calendar, MonthGrid::ofPanel(calendarRect(s), s), month);
}

TEST(MonthLayout, DaysFallInTheirWeekdayColumnAndWeekRow) {
    struct Case {
        int32_t year, month, day;
        int32_t column, row;
        int32_t days;  // how many days are placed
    };
    const Case cases[] = {
        {2024, 5, 1, 3, 0, 31},                             // a Wednesday
        {2024, 5, 31, 5, 4, 31},                            // a Friday
        {2024, 6, 1, 6, 0, 30},                             // begins on a Saturday ...
        {2024, 6, 30, 0, 5, 30},                            // ... and fills six rows
        {2015, 2, 1, 0, 0, 28},                             // 28 days from a Sunday fill exactly four rows
        {2015, 2, 28, 6, 3, 28},  {2024, 2, 29, 4, 4, 29},  // leap day
        {2023, 12, 31, 0, 5, 31},
    };
    for (const Case& c : cases) {
        MonthLayout layout = layoutOf(c.year, c.month);
        ASSERT_EQ(layout.count, c.days) << c.year << "-" << c.month;
        const DayCell& cell = layout.cells[c.day - 1];
        EXPECT_EQ(cell.day, c.day);
        EXPECT_EQ(cell.column, c.column) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(cell.weekday, c.column) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(cell.row, c.row) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(MonthLayout, CellPositionsAtNinetySixDpi) {
    MonthLayout may = layoutOf(2024, 5);
    EXPECT_FLOAT_EQ(may.cells[0].centerX, 6 + 8.5f + 2 + 51);  // 67.5
    EXPECT_FLOAT_EQ(may.cells[0].top, 132 + 30);
    MonthLayout june = layoutOf(2024, 6);
    EXPECT_FLOAT_EQ(june.cells[29].centerX, 16.5f);
    EXPECT_FLOAT_EQ(june.cells[29].top, 132 + 30 + 75);
}

TEST(MonthLayout, CursorEndsOnTheDayAfterTheLastDay) {
    struct Case {
        int32_t year, month;
        int32_t nextYear, nextMonth, nextWeekday;
    };
    const Case cases[] = {
        {2024, 5, 2024, 6, 6},   // 1 June 2024 is a Saturday
        {2024, 12, 2025, 1, 3},  // 1 January 2025 is a Wednesday
        {2015, 2, 2015, 3, 0},
    };
    for (const Case& c : cases) {
        MonthCalendar calendar;
        setMonth(calendar, c.year, c.month);
        layoutMonth(calendar, MonthGrid::ofPanel(calendarRect({}), {}), c.month);
        EXPECT_EQ(calendar.year, c.nextYear) << c.year << "-" << c.month;
        EXPECT_EQ(calendar.month, c.nextMonth) << c.year << "-" << c.month;
        EXPECT_EQ(calendar.day, 1) << c.year << "-" << c.month;
        EXPECT_EQ(calendar.weekday, c.nextWeekday) << c.year << "-" << c.month;
    }
}

// The cell of each day is found again from its position in single precision;
// it must land in its own cell at every size and DPI the program offers.
TEST(MonthLayout, CellOfEveryDayHoldsAtEveryScale) {
    for (float dpi : {1.0f, 1.25f, 1.5f, 1.75f, 2.0f})
        for (int32_t size : {80, 90, 100, 110, 120})
            for (int32_t year : {2015, 2024, 2026})
                for (int32_t month = 1; month <= 12; ++month) {
                    app::Scale s{dpi, dpi, size};
                    MonthLayout layout = layoutOf(year, month, s);
                    int32_t first = layout.cells[0].weekday;
                    for (int32_t i = 0; i < layout.count; ++i) {
                        const DayCell& cell = layout.cells[i];
                        ASSERT_EQ(cell.column, cell.weekday)
                            << dpi << " " << size << "% " << year << "-" << month << "-" << cell.day;
                        ASSERT_EQ(cell.row, (cell.day - 1 + first) / 7)
                            << dpi << " " << size << "% " << year << "-" << month << "-" << cell.day;
                    }
                }
}

TEST(MonthGrid, TitleRowsSeparatorAndTodayBoxAtNinetySixDpi) {
    MonthGrid grid = MonthGrid::ofPanel(calendarRect({}), {});
    EXPECT_FLOAT_EQ(grid.columnCenter(0), 16.5f);
    EXPECT_FLOAT_EQ(grid.columnCenter(6), 16.5f + 6 * 17);
    EXPECT_FLOAT_EQ(grid.weekdayTop(), 132 + 15);
    PanelSeparator separator = panelSeparator(calendarRect({}), {});
    EXPECT_FLOAT_EQ(separator.y, 132 + 29);
    EXPECT_FLOAT_EQ(separator.left, 8);
    EXPECT_FLOAT_EQ(separator.right, 126);
    EXPECT_FLOAT_EQ(grid.firstRowTop(), 162);
    // One pixel wider than the column, two pixels short of the row.
    draw::RectF box = grid.todayBox(3, 162);
    EXPECT_FLOAT_EQ(box.x, 58);
    EXPECT_FLOAT_EQ(box.y, 162);
    EXPECT_FLOAT_EQ(box.width, 18);
    EXPECT_FLOAT_EQ(box.height, 13);
}

TEST(DayInk, MarksOutrankTheWeekday) {
    SpecialDay special, rest, holiday;
    special.kind = Special;
    rest.kind = RestDay;
    holiday.kind = Holiday;
    struct Case {
        const char* name;
        const SpecialDay* mark;
        int32_t weekday;
        DayInk ink;
    };
    const Case cases[] = {
        {"plain Sunday", nullptr, 0, DayInk::Red},        {"plain Wednesday", nullptr, 3, DayInk::Text},
        {"plain Saturday", nullptr, 6, DayInk::Blue},     {"special Sunday", &special, 0, DayInk::Yellow},
        {"special Tuesday", &special, 2, DayInk::Yellow}, {"holiday Saturday", &holiday, 6, DayInk::Red},
        {"rest day Saturday", &rest, 6, DayInk::Red},     {"holiday Monday", &holiday, 1, DayInk::Red},
    };
    for (const Case& c : cases) EXPECT_EQ(dayInk(c.mark, c.weekday), c.ink) << c.name;
}

TEST(ShownMonth, FollowsTodayUntilTheUserStepsAway) {
    struct Case {
        const char* name;
        bool follow;
        int32_t shownYear, shownMonth;
        Today today;
        int32_t expectYear, expectMonth;
        bool expectFollow;
    };
    const Case cases[] = {
        {"first paint", true, 0, 0, {2024, 5, 15}, 2024, 5, true},
        {"midnight into a new month", true, 2024, 5, {2024, 6, 1}, 2024, 6, true},
        {"midnight into a new year", true, 2024, 12, {2025, 1, 1}, 2025, 1, true},
        {"stepped away stays", false, 2024, 7, {2024, 5, 15}, 2024, 7, false},
        {"stepped back follows again", false, 2024, 5, {2024, 5, 15}, 2024, 5, true},
        {"same month of another year is not today's", false, 2023, 5, {2024, 5, 15}, 2023, 5, false},
        // The runtime could not convert the time: nothing moves.
        {"unknown today", true, 2024, 5, {0, 0, 0}, 2024, 5, true},
    };
    for (const Case& c : cases) {
        MonthCalendarPanel panel;
        panel.followToday = c.follow;
        panel.shownYear = c.shownYear;
        panel.shownMonth = c.shownMonth;
        chooseShownMonth(panel, c.today);
        EXPECT_EQ(panel.shownYear, c.expectYear) << c.name;
        EXPECT_EQ(panel.shownMonth, c.expectMonth) << c.name;
        EXPECT_EQ(panel.followToday, c.expectFollow) << c.name;
    }
}

SpecialDay fixedHoliday(int8_t month, int8_t day) {
    return {.name = L"x",
            .firstYear = 1900,
            .lastYear = 2100,
            .kind = Holiday,
            .rule = FixedDate,
            .month = month,
            .day = day};
}

TEST(ShownMonth, MarksAreComputedOnlyWhenTheShownMonthChanges) {
    const std::vector<SpecialDay> first{fixedHoliday(5, 3), fixedHoliday(6, 10)};
    const std::vector<SpecialDay> second{fixedHoliday(5, 20), fixedHoliday(6, 20)};
    MonthCalendarPanel panel;
    panel.shownYear = 2024;
    panel.shownMonth = 5;
    ASSERT_TRUE(prepareShownMonth(panel, first));
    EXPECT_EQ(panel.marks[3], &first[0]);
    EXPECT_EQ(panel.day, 1);
    EXPECT_EQ(panel.weekday, 3);

    // Another paint of the same month keeps the marks, whatever the list says now.
    panel.day = 17;
    ASSERT_TRUE(prepareShownMonth(panel, second));
    EXPECT_EQ(panel.marks[3], &first[0]);
    EXPECT_EQ(panel.marks[20], nullptr);
    EXPECT_EQ(panel.day, 1);

    panel.shownMonth = 6;
    ASSERT_TRUE(prepareShownMonth(panel, second));
    EXPECT_EQ(panel.marks[10], nullptr);
    EXPECT_EQ(panel.marks[20], &second[1]);
    EXPECT_EQ(panel.computedMonth, 6);

    // The same month number in another year is another month.
    panel.shownYear = 2025;
    ASSERT_TRUE(prepareShownMonth(panel, first));
    EXPECT_EQ(panel.marks[10], &first[1]);
}

TEST(ShownMonth, AMonthNeverSetDrawsNoDays) {
    MonthCalendarPanel panel;
    EXPECT_FALSE(prepareShownMonth(panel, {}));
    panel.shownYear = 2024;
    panel.shownMonth = 13;
    EXPECT_FALSE(prepareShownMonth(panel, {}));
    EXPECT_EQ(panel.computedMonth, 0);
    EXPECT_EQ(panel.month, 0);
}

TEST(LocalToday, ATimeTheRuntimeCannotConvertGivesZeros) {
    Today t = localToday(std::numeric_limits<std::time_t>::max());
    EXPECT_EQ(t.year, 0);
    EXPECT_EQ(t.month, 0);
    EXPECT_EQ(t.day, 0);
}

TEST(LocalToday, ReadsTheLocalDate) {
    std::tm noon{};
    noon.tm_year = 2024 - 1900;
    noon.tm_mon = 4;
    noon.tm_mday = 15;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    Today t = localToday(std::mktime(&noon));
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 5);
    EXPECT_EQ(t.day, 15);
}

}  // namespace
}  // namespace calendar
