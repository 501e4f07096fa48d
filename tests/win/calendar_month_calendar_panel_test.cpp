// The month panel drawn for real into an image, with "now" fixed and a small
// list of marked days.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "calendar/month_calendar_panel.h"
#include "gadget/gadget_layout.h"
#include "support/app_scope.h"
#include "support/panels_fixtures.h"

namespace {

using calendar::SpecialDay;
using wintest::localTime;

SpecialDay record(uint8_t kind, uint8_t rule, int8_t month, int8_t day, int8_t weekday = 0) {
    SpecialDay r;
    r.name = L"day";
    r.firstYear = 1950;
    r.lastYear = 2100;
    r.kind = kind;
    r.rule = rule;
    r.month = month;
    r.day = day;
    r.weekday = weekday;
    return r;
}

// In May 2024: holidays on Friday 3, Saturday 4 and Sunday 5 with a substitute
// on Monday 6; a special day on the second Sunday (12), which is substituted by
// Monday 13; a rest day on Saturday 18.
std::vector<SpecialDay> mayFixture() {
    using namespace calendar;
    return {record(Holiday, FixedDate, 5, 3),  record(Holiday, FixedDate, 5, 4),
            record(Holiday, FixedDate, 5, 5),  record(Special, NthWeekday, 5, 2, 0),
            record(RestDay, FixedDate, 5, 18), record(Holiday, SubstituteHoliday, 0, 0)};
}

enum Ink { None, Text, Red, Blue, Yellow, White };
const char* const inkNames[] = {"none", "text", "red", "blue", "yellow", "white"};

struct MonthCanvas {
    wintest::TestImage image{136, 280};
    app::Scale scale = theApp.scale();
    draw::RectF rect = gadget::panelRects(scale)[gadget::CalendarPanel];
    calendar::MonthCalendarPanel panel;

    void paint() {
        image.graphics->setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        paintMonthCalendar(panel, *image.graphics, rect, image.image, calendar::localToday(app::now()));
    }
    void show(int32_t year, int32_t month) {
        panel.followToday = false;
        panel.shownYear = year;
        panel.shownMonth = month;
    }
    float columnCenter(int column) const { return 16.5f + 17 * column; }
    float rowTop(int row) const { return 162.0f + 15 * row; }

    // The ink that covers most of the cell's pixels at least half, over `background`.
    Ink inkIn(int left, int top, int right, int bottom, uint32_t background) const {
        const auto& p = theApp.ThemePalette;
        const uint32_t inks[] = {0, p.text, p.red, p.blue, p.yellow, 0xFFFFFFFF};
        double weight[6] = {};
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) {
                int best = None;
                double bestResidual = 24;
                for (int i = Text; i <= White; ++i) {
                    auto b = wintest::blendOf(image.rgb(x, y), background & 0xFFFFFF, inks[i] & 0xFFFFFF);
                    if (b.coverage >= 0.5 && b.residual < bestResidual) {
                        best = i;
                        bestResidual = b.residual;
                    }
                }
                if (best != None) weight[best] += 1;
            }
        int result = None;
        for (int i = Text; i <= White; ++i)
            if (weight[i] > weight[result]) result = i;
        return Ink(result);
    }
    Ink cellInk(int column, int row, uint32_t background) const {
        int cx = int(columnCenter(column)), top = int(rowTop(row));
        return inkIn(cx - 7, top, cx + 8, top + 14, background);
    }
    Ink cellInk(int column, int row) const { return cellInk(column, row, theApp.ThemePalette.panel); }
};

TEST(MonthPanel, DaysFillTheirCellsAndNoOthers) {
    struct Case {
        const char* name;
        int32_t year, month;
        int firstColumn, days, rows;
    };
    const Case cases[] = {
        {"May 2024", 2024, 5, 3, 31, 5},
        {"June 2024 needs six rows", 2024, 6, 6, 30, 6},
        {"February 2015 fits in four", 2015, 2, 0, 28, 4},
    };
    wintest::AppScope settings(1.0f, 100, 1);
    wintest::FixedNow now(localTime(2020, 1, 15));
    settings.setSpecialDays({});
    for (const Case& c : cases) {
        MonthCanvas canvas;
        canvas.show(c.year, c.month);
        canvas.paint();
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 7; ++column) {
                int day = row * 7 + column - c.firstColumn + 1;
                bool drawn = day >= 1 && day <= c.days;
                EXPECT_EQ(canvas.cellInk(column, row) != None, drawn)
                    << c.name << ": column " << column << ", row " << row;
            }
        // The panel uses as many rows as the month needs, and leaves the rest blank.
        for (int row = 0; row < 6; ++row) {
            bool inked = false;
            for (int column = 0; column < 7; ++column) inked |= canvas.cellInk(column, row) != None;
            EXPECT_EQ(inked, row < c.rows) << c.name << ": row " << row;
        }
    }
}

TEST(MonthPanel, DayColoursFollowMarksBeforeWeekdays) {
    wintest::AppScope settings(1.0f, 100, 1);
    wintest::FixedNow now(localTime(2020, 1, 15));
    settings.setSpecialDays(mayFixture());
    MonthCanvas canvas;
    canvas.show(2024, 5);
    canvas.paint();
    struct Case {
        int day;
        Ink ink;
    };
    const Case cases[] = {
        {1, Text}, {2, Text}, {3, Red},   {4, Red},      // a holiday Saturday is red
        {5, Red},  {6, Red},  {11, Blue}, {12, Yellow},  // a special Sunday is yellow
        {13, Red}, {18, Red}, {19, Red},  {25, Blue},   {31, Text},
    };
    for (const Case& c : cases) {
        int cell = c.day - 1 + 3;
        EXPECT_STREQ(inkNames[canvas.cellInk(cell % 7, cell / 7)], inkNames[c.ink]) << "May " << c.day;
    }
}

TEST(MonthPanel, CellTableHoldsTheRecordOfEachMarkedCellOnly) {
    wintest::AppScope settings(1.0f, 100, 1);
    wintest::FixedNow now(localTime(2020, 1, 15));
    settings.setSpecialDays(mayFixture());
    const SpecialDay* first = theApp.specialDays.data();
    theApp.calendarCellHolidays.fill(first);  // whatever a previous paint left
    MonthCanvas canvas;
    canvas.show(2024, 5);
    canvas.paint();
    // (column, row) -> record: holidays 3, 4, 5; substitutes 6 and 13; special 12; rest day 18.
    std::vector<std::pair<int, const SpecialDay*>> expected = {
        {5 * 6 + 0, first + 0}, {6 * 6 + 0, first + 1}, {0 * 6 + 1, first + 2}, {1 * 6 + 1, first + 5},
        {0 * 6 + 2, first + 3}, {1 * 6 + 2, first + 5}, {6 * 6 + 2, first + 4},
    };
    for (int i = 0; i < 42; ++i) {
        const SpecialDay* want = nullptr;
        for (auto [index, r] : expected)
            if (index == i) want = r;
        EXPECT_EQ(theApp.calendarCellHolidays[i], want) << "column " << i / 6 << ", row " << i % 6;
    }

    // A month without marks leaves the table empty.
    canvas.show(2024, 7);
    canvas.paint();
    for (const SpecialDay* r : theApp.calendarCellHolidays) EXPECT_EQ(r, nullptr);
}

TEST(MonthPanel, TodayIsBoxedInItsDaysColourWithWhiteDigits) {
    struct Case {
        const char* name;
        int day;
        uint32_t app::ThemePalette::*box;
    };
    const Case cases[] = {
        {"unmarked Wednesday", 15, &app::ThemePalette::gray},
        {"holiday", 3, &app::ThemePalette::red},
        {"special Sunday", 12, &app::ThemePalette::yellow},
        {"unmarked Saturday", 11, &app::ThemePalette::blue},
    };
    wintest::AppScope settings(1.0f, 100, 1);
    settings.setSpecialDays(mayFixture());
    for (const Case& c : cases) {
        wintest::FixedNow now(localTime(2024, 5, c.day, 9));
        MonthCanvas canvas;
        canvas.paint();
        ASSERT_EQ(canvas.panel.shownMonth, 5) << c.name;
        const uint32_t box = theApp.ThemePalette.*c.box;
        int cell = c.day - 1 + 3, column = cell % 7;
        int top = int(canvas.rowTop(cell / 7));
        // The box: one pixel wider than the column, starting a pixel left of it.
        int left = int((column - 0.5f) * 17 + 16.5f - 1);
        const uint32_t panel = theApp.ThemePalette.panel & 0xFFFFFF;
        EXPECT_EQ(canvas.image.rgb(left, top), box & 0xFFFFFF) << c.name;
        EXPECT_EQ(canvas.image.rgb(left + 17, top + 12), box & 0xFFFFFF) << c.name;
        // Just outside it, where the digits of the neighbours do not reach.
        EXPECT_EQ(canvas.image.rgb(left - 1, top), panel) << c.name;
        EXPECT_EQ(canvas.image.rgb(left + 18, top), panel) << c.name;
        EXPECT_NE(canvas.image.rgb(left + 8, top - 1), box & 0xFFFFFF) << c.name;  // row 0: the separator
        EXPECT_EQ(canvas.image.rgb(left + 8, top + 13), panel) << c.name;
        EXPECT_STREQ(inkNames[canvas.cellInk(column, cell / 7, box)], "white") << c.name;
        // The other days have no box.
        EXPECT_EQ(canvas.image.rgb(int(canvas.columnCenter(3)) - 8, int(canvas.rowTop(4)) + 1),
                  theApp.ThemePalette.panel & 0xFFFFFF);
    }
}

TEST(MonthPanel, MarksAreRecomputedOnlyWhenTheShownMonthChanges) {
    wintest::AppScope settings(1.0f, 100, 1);
    wintest::FixedNow now(localTime(2024, 5, 31, 23, 59, 59));
    std::vector<SpecialDay> later = {record(calendar::Holiday, calendar::FixedDate, 0, 20)};
    settings.setSpecialDays(mayFixture());
    const SpecialDay* may = theApp.specialDays.data();
    const SpecialDay* twentieth = later.data();
    MonthCanvas canvas;
    canvas.paint();
    ASSERT_EQ(theApp.calendarCellHolidays[5 * 6 + 0], may);

    // Another list in theApp: the next paint of the same month still draws the old marks.
    std::swap(theApp.specialDays, later);
    canvas.paint();
    EXPECT_EQ(theApp.calendarCellHolidays[5 * 6 + 0], may);
    EXPECT_EQ(theApp.calendarCellHolidays[1 * 6 + 3], nullptr);  // Monday 20 May
    EXPECT_EQ(canvas.cellInk(5, 0), Red);

    // Midnight starts June: a panel that follows today moves and computes June's marks.
    now.set(localTime(2024, 6, 1, 0, 0, 1));
    canvas.paint();
    EXPECT_EQ(canvas.panel.shownYear, 2024);
    EXPECT_EQ(canvas.panel.shownMonth, 6);
    EXPECT_TRUE(canvas.panel.followToday);
    EXPECT_EQ(theApp.calendarCellHolidays[4 * 6 + 3], twentieth);  // Thursday 20 June
    EXPECT_EQ(theApp.calendarCellHolidays[5 * 6 + 0], nullptr);
    // Today, Saturday 1 June, is boxed in blue.
    EXPECT_EQ(canvas.image.rgb(int(canvas.columnCenter(6)) - 7, 163), theApp.ThemePalette.blue & 0xFFFFFF);

    // A step to July stays there across paints, with July's marks.
    canvas.show(2024, 7);
    canvas.paint();
    canvas.paint();
    EXPECT_EQ(canvas.panel.shownMonth, 7);
    EXPECT_EQ(theApp.calendarCellHolidays[6 * 6 + 2], twentieth);  // Saturday 20 July
}

TEST(MonthPanel, HeadingLettersSeparatorAndShadow) {
    struct Case {
        const char* name;
        int shadow;
    };
    for (const Case& c : {Case{"shadow on", 1}, Case{"shadow off", 0}}) {
        wintest::AppScope settings(1.0f, 100, 1, c.shadow);
        wintest::FixedNow now(localTime(2020, 1, 15));
        settings.setSpecialDays({});
        MonthCanvas canvas;
        canvas.show(2024, 5);
        canvas.paint();
        const auto& palette = theApp.ThemePalette;

        // The title is centred at the top of the panel.
        // (The right edge line, a dark grey, would count as text ink: it stays out.)
        auto title = wintest::inkBox(canvas.image, 6, 132, 127, 147, palette.text, palette.panel);
        ASSERT_GT(title.right, title.left) << c.name;
        EXPECT_NEAR(title.centerX(), 68, 3) << c.name;
        EXPECT_LE(title.top, 137) << c.name;

        // Weekday letters: Sunday red, Saturday blue, the rest in the text colour.
        for (int column = 0; column < 7; ++column) {
            int cx = int(canvas.columnCenter(column));
            Ink want = column == 0 ? Red : column == 6 ? Blue : Text;
            EXPECT_STREQ(inkNames[canvas.inkIn(cx - 7, 147, cx + 8, 160, palette.panel)], inkNames[want])
                << c.name << ", column " << column;
        }
        EXPECT_TRUE(wintest::inkNear(canvas.image, 68, 161, palette.grid, palette.panel)) << c.name;
        EXPECT_FALSE(wintest::inkNear(canvas.image, 4, 161, palette.grid, palette.panel)) << c.name;

        // The lower right fades towards the frame colour only with the shadow on.
        auto shade = wintest::blendOf(canvas.image.rgb(125, 252), palette.panel & 0xFFFFFF, palette.frame & 0xFFFFFF);
        if (c.shadow) {
            EXPECT_GT(shade.coverage, 0.4) << c.name;
            EXPECT_LT(shade.residual, 3) << c.name;
        } else {
            EXPECT_EQ(canvas.image.rgb(125, 252), palette.panel & 0xFFFFFF) << c.name;
        }
        EXPECT_EQ(canvas.image.rgb(11, 216), palette.panel & 0xFFFFFF) << c.name;
    }
}

TEST(MonthPanel, DaysMoveWithTheScale) {
    struct Case {
        const char* name;
        float dpi;
        int size;
    };
    const Case cases[] = {{"120 %", 1.0f, 120}, {"144 dpi", 1.5f, 100}};
    for (const Case& c : cases) {
        wintest::AppScope settings(c.dpi, c.size, 1);
        wintest::FixedNow now(localTime(2020, 1, 15));
        settings.setSpecialDays({});
        wintest::TestImage image(220, 420);
        const app::Scale s = theApp.scale();
        const float k = s.sx(1);
        calendar::MonthCalendarPanel panel;
        panel.followToday = false;
        panel.shownYear = 2024;
        panel.shownMonth = 6;
        paintMonthCalendar(panel, *image.graphics, gadget::panelRects(s)[gadget::CalendarPanel], image.image,
                           calendar::localToday(app::now()));
        const auto& palette = theApp.ThemePalette;
        // Day 30 of June 2024: column 0 of row 5, in red (a Sunday).
        int cx = int(16.5f * k), top = int(237 * k);
        auto box = wintest::inkBox(image, cx - int(8 * k), top, cx + int(8 * k), top + int(14 * k), palette.red,
                                   palette.panel);
        ASSERT_GT(box.right, box.left) << c.name;
        EXPECT_NEAR(box.centerX(), 16.5 * k, 2) << c.name;
        EXPECT_NEAR(box.top, 237 * k + 3 * k, 3 * k) << c.name;
    }
}

}  // namespace
