// The holiday and era computation over made-up records: the weekday of a month,
// the rules, the substitute and citizens' holidays inside a month and across its
// edges, and the era text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "common/case_name.h"
#include "calendar/month_calendar.h"
#include "calendar_records_fixture.h"

namespace {

using namespace calendar;
using namespace calendar_fixture;

// Weekday of the first of a month in the proleptic Gregorian calendar, counted
// from a known Thursday (1970-01-01) by days, independent of the formula.
int civilWeekday(int64_t year, int month) {
    year -= month <= 2;
    int64_t era = (year >= 0 ? year : year - 399) / 400;
    int64_t yearOfEra = year - era * 400;
    int64_t monthIndex = month > 2 ? month - 3 : month + 9;
    int64_t dayOfYear = (153 * monthIndex + 2) / 5;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    int64_t days = era * 146097 + dayOfEra - 719468;
    return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

struct SetMonthCase {
    int32_t year, month, weekday, february;
};

TEST(SetMonth, KnownMonths) {
    const SetMonthCase cases[] = {
        {2024, 1, 1, 29}, {1900, 3, 4, 28}, {2000, 2, 2, 29}, {2026, 4, 3, 28}, {1948, 7, 4, 29}, {2100, 3, 1, 28},
    };
    for (const SetMonthCase& c : cases) {
        MonthCalendar calendar;
        calendar.day = 17;
        setMonth(calendar, c.year, c.month);
        EXPECT_EQ(calendar.weekday, c.weekday) << c.year << "-" << c.month;
        EXPECT_EQ(calendar.daysInMonth[2], c.february) << c.year;
        EXPECT_EQ(calendar.day, 1);
        EXPECT_EQ(calendar.year, c.year);
        EXPECT_EQ(calendar.month, c.month);
    }
}

TEST(SetMonth, AgreesWithTheCivilCalendarFromMinus2000To9999) {
    MonthCalendar calendar;
    for (int32_t year = -2000; year <= 9999; ++year) {
        for (int32_t month = 1; month <= 12; ++month) {
            setMonth(calendar, year, month);
            ASSERT_EQ(calendar.weekday, civilWeekday(year, month)) << year << "-" << month;
        }
    }
}

// Far below -2000 the formula alone gives negative weekdays; they must stay 0..6
// and follow on from month to month.
TEST(SetMonth, FarYearsKeepWeekdaysInRangeAndInStep) {
    const int32_t years[] = {std::numeric_limits<int32_t>::min(),
                             std::numeric_limits<int32_t>::min() + 1,
                             -1'000'000'000,
                             -2'000'001,
                             -5000,
                             -2001,
                             1'000'000'000,
                             std::numeric_limits<int32_t>::max() - 1,
                             std::numeric_limits<int32_t>::max()};
    for (int32_t year : years) {
        MonthCalendar calendar;
        for (int32_t month = 1; month <= 12; ++month) {
            setMonth(calendar, year, month);
            ASSERT_GE(calendar.weekday, 0) << year << "-" << month;
            ASSERT_LE(calendar.weekday, 6) << year << "-" << month;
            EXPECT_EQ(calendar.weekday, civilWeekday(year, month)) << year << "-" << month;
        }
    }
}

// The marks of a month as record indexes by day, for comparing whole months.
std::map<int, int> marksOf(const DayMarks& marks, const std::vector<SpecialDay>& records) {
    std::map<int, int> found;
    for (int day = 0; day <= 32; ++day) {
        if (marks[static_cast<size_t>(day)])
            found[day] = static_cast<int>(marks[static_cast<size_t>(day)] - records.data());
    }
    return found;
}

struct MonthCase {
    const char* what;
    std::vector<SpecialDay> records;
    int32_t year, month;
    std::map<int, int> expected;  // day -> index of the record that marks it
};

void PrintTo(const MonthCase& c, std::ostream* os) { *os << c.what; }

class ComputeHolidays : public testing::TestWithParam<MonthCase> {};

TEST_P(ComputeHolidays, MarksTheMonth) {
    const MonthCase& c = GetParam();
    MonthCalendar calendar;
    setMonth(calendar, c.year, c.month);
    computeHolidays(calendar, c.records);
    EXPECT_EQ(marksOf(calendar.marks, c.records), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ComputeHolidays,
    testing::Values(
        MonthCase{"second Monday", {nth(1, 2, 1)}, 2024, 1, {{8, 0}}},
        MonthCase{"last Friday of May, month 0", {nth(0, -1, 5, Special)}, 2024, 5, {{31, 0}}},
        MonthCase{"last Friday of March, month 0", {nth(0, -1, 5, Special)}, 2024, 3, {{29, 0}}},
        MonthCase{"one before the last Friday", {nth(3, -2, 5)}, 2024, 3, {{22, 0}}},
        MonthCase{"n = 0 lies a week after the last", {nth(2, 0, 5)}, 2024, 2, {{30, 0}}},
        MonthCase{"fifth Friday past the end is kept", {nth(2, 5, 5)}, 2024, 2, {{30, 0}}},
        MonthCase{"sixth Friday marks nothing", {nth(2, 6, 5)}, 2024, 2, {}},
        MonthCase{"computed 2024", {computed(3, 20.5, 0.25)}, 2024, 3, {{20, 0}}},
        MonthCase{"computed 2025", {computed(3, 20.5, 0.25)}, 2025, 3, {{20, 0}}},
        MonthCase{"computed before 1980 truncates toward zero", {computed(9, 23.2588, 0.242194)}, 1979, 9, {{23, 0}}},
        MonthCase{"other month", {fixed(5, 10)}, 2024, 6, {}},
        MonthCase{"month 0 fixed date", {fixed(0, 13)}, 2024, 6, {{13, 0}}},
        MonthCase{"day 31 of a 30-day month is kept", {fixed(4, 31)}, 2024, 4, {{31, 0}}},
        MonthCase{"day 0 and 32 mark nothing", {fixed(4, 0), fixed(4, 32)}, 2024, 4, {}},
        MonthCase{"earlier record wins", {fixed(5, 3), fixed(5, 3, Special)}, 2024, 5, {{3, 0}}},
        MonthCase{"first of every month unless claimed",
                  {fixed(7, 1), fixed(0, 1, Special), fixed(0, 2, Special)},
                  2024,
                  7,
                  {{1, 0}, {2, 2}}},
        MonthCase{"years not covered", {years(fixed(5, 3), 2025, 2030)}, 2024, 5, {}},
        MonthCase{"first = last year", {years(fixed(5, 3), 2024, 2024)}, 2024, 5, {{3, 0}}},
        MonthCase{"unknown rule value", {rule(Holiday, static_cast<SpecialDayRule>(0xFF), 5, 3)}, 2024, 5, {}},
        MonthCase{"weekday the line did not give", {nth(5, 1, -1)}, 2024, 5, {}}),
    testing_names::ByWhat());

INSTANTIATE_TEST_SUITE_P(
    Derived, ComputeHolidays,
    testing::Values(
        MonthCase{"Sunday 5 May 2024",
                  {fixed(5, 3), fixed(5, 4), fixed(5, 5), substitute()},
                  2024,
                  5,
                  {{3, 0}, {4, 1}, {5, 2}, {6, 3}}},
        MonthCase{"Sunday 3 May 2015 skips two holidays",
                  {fixed(5, 3), fixed(5, 4), fixed(5, 5), substitute()},
                  2015,
                  5,
                  {{3, 0}, {4, 1}, {5, 2}, {6, 3}}},
        MonthCase{"no substitute rule", {fixed(5, 3), fixed(5, 4), fixed(5, 5)}, 2015, 5, {{3, 0}, {4, 1}, {5, 2}}},
        MonthCase{"a special day on a Sunday", {nth(5, 2, 0, Special), substitute()}, 2024, 5, {{12, 0}, {13, 1}}},
        MonthCase{"the substitute replaces a rest day",
                  {fixed(5, 5), fixed(5, 6, Special), substitute()},
                  2024,
                  5,
                  {{5, 0}, {6, 2}}},
        MonthCase{"31 March 2024 goes to day 32", {fixed(3, 31), substitute()}, 2024, 3, {{31, 0}, {32, 1}}},
        MonthCase{"and is carried to 1 April", {fixed(3, 31), substitute()}, 2024, 4, {{1, 1}}},
        MonthCase{
            "carried past April's own holiday", {fixed(3, 31), fixed(4, 1), substitute()}, 2024, 4, {{1, 1}, {2, 2}}},
        MonthCase{"citizens' holiday 22 Sep 2015",
                  {fixed(9, 21), fixed(9, 23), citizens()},
                  2015,
                  9,
                  {{21, 0}, {22, 2}, {23, 1}}},
        MonthCase{
            "no citizens' holiday on a Sunday", {fixed(9, 18), fixed(9, 20), citizens()}, 2021, 9, {{18, 0}, {20, 1}}},
        MonthCase{"rest days do not make citizens' holidays",
                  {fixed(9, 21, RestDay), fixed(9, 23), citizens()},
                  2015,
                  9,
                  {{21, 0}, {23, 1}}},
        MonthCase{"citizens' 1 April 2026", {fixed(3, 31), fixed(4, 2), citizens()}, 2026, 4, {{1, 2}, {2, 1}}},
        MonthCase{"citizens' 31 March 2026", {fixed(3, 30), fixed(4, 1), citizens()}, 2026, 3, {{30, 0}, {31, 2}}},
        MonthCase{"citizens' last day across the year",
                  {fixed(12, 30), fixed(1, 1), citizens()},
                  2026,
                  12,
                  {{30, 0}, {31, 2}}},
        MonthCase{"citizens' first day across the year",
                  {fixed(12, 31), fixed(1, 2), citizens()},
                  2027,
                  1,
                  {{1, 2}, {2, 1}}}),
    testing_names::ByWhat());

// The marks carried from December into January need the previous year's rules.
TEST(CollectHolidays, ReportsTheRulesInForceForTheYear) {
    std::vector<SpecialDay> records{years(substitute(), 2010, 2020), years(substitute(), 2000, 2030),
                                    years(citizens(), 2015, 2015)};
    MonthCalendar calendar;
    DayMarks marks;
    marks.fill(&records[0]);
    DerivedRules found = collectHolidays(calendar, 2015, 6, marks, records);
    EXPECT_EQ(found.substituteRule, &records[0]);
    EXPECT_EQ(found.citizensRule, &records[2]);
    for (const SpecialDay* mark : marks) EXPECT_EQ(mark, nullptr);
    found = collectHolidays(calendar, 2025, 6, marks, records);
    EXPECT_EQ(found.substituteRule, &records[1]);
    EXPECT_EQ(found.citizensRule, nullptr);
}

// No year, month or record values may take the computation outside its arrays or
// into undefined arithmetic (the sanitizer build runs this too).
TEST(ComputeHolidays, ExtremeYearsAndRecordsMarkNothingOutOfPlace) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<SpecialDay> records{computed(0, 1e300, 1e300),
                                    computed(0, nan, 0.25),
                                    computed(0, inf, -inf),
                                    computed(0, 20.0, 1e-300),
                                    nth(0, 127, 6),
                                    nth(0, -128, 0),
                                    fixed(0, -128),
                                    fixed(0, 127),
                                    substitute(),
                                    citizens()};
    for (SpecialDay& r : records) r.firstYear = 0, r.lastYear = 65535;
    const int32_t years[] = {std::numeric_limits<int32_t>::min(), -1, 0, 1980, 65535,
                             std::numeric_limits<int32_t>::max()};
    for (int32_t year : years) {
        for (int32_t month = -1; month <= 13; ++month) {
            MonthCalendar calendar;
            setMonth(calendar, year, month);
            computeHolidays(calendar, records);
            for (int day = 1; day <= 32; ++day) {
                const SpecialDay* mark = calendar.marks[static_cast<size_t>(day)];
                // Only the sane records can mark anything.
                if (mark) {
                    EXPECT_TRUE(mark == &records[3] || mark >= &records[8]) << year << "-" << month;
                }
            }
            if (month < 1 || month > 12 || year < 0 || year > 65535) {
                for (const SpecialDay* mark : calendar.marks) EXPECT_EQ(mark, nullptr) << year << "-" << month;
            }
        }
    }
}

struct EraCase {
    int32_t year, month;
    const wchar_t* text;
};

TEST(EraYearText, JoinsErasInListOrder) {
    std::vector<EraName> eras{era(L"甲", 1990, 1, 2001, 4), era(L"乙", 2001, 4, 2019, 4),
                              era(L"丙", 2019, 5, 9999, 12)};
    const EraCase cases[] = {
        {2019, 4, L"乙19年"}, {2019, 5, L"丙元年"},    {2020, 1, L"丙2年"}, {2001, 4, L"甲12年/乙元年"},
        {2001, 3, L"甲12年"}, {2001, 5, L"乙元年"},    {1989, 12, L""},     {1990, 1, L"甲元年"},
        {-5, 1, L""},         {9999, 12, L"丙7981年"},
    };
    for (const EraCase& c : cases) EXPECT_EQ(eraYearText(c.year, c.month, eras), c.text) << c.year << "-" << c.month;
}

TEST(EraYearText, OneYearEraAndNoEras) {
    std::vector<EraName> eras{era(L"丁", 2000, 6, 2000, 3)};
    EXPECT_EQ(eraYearText(2000, 2, eras), L"丁元年");  // month <= last month
    EXPECT_EQ(eraYearText(2000, 4, eras), L"");        // neither
    EXPECT_EQ(eraYearText(2000, 7, eras), L"丁元年");  // month >= first month
    EXPECT_EQ(eraYearText(2000, 7, {}), L"");
}

}  // namespace
