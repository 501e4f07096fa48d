#pragma once
// One month of one year with a day cursor and the day marks, and the holiday and
// era computation over the records of config.txt.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "calendar/calendar_records.h"

namespace calendar {

// marks[1..31] are the days of the month; marks[32] takes a substitute holiday
// that falls after day 31. Index 0 is never used.
using DayMarks = std::array<const SpecialDay*, 33>;

struct MonthCalendar {
    std::array<int32_t, 13> daysInMonth{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t weekday = 0;  // of the cursor day, 0 Sunday .. 6 Saturday
    DayMarks marks{};
};

struct DerivedRules {
    const SpecialDay* substituteRule = nullptr;
    const SpecialDay* citizensRule = nullptr;
};

void setMonth(MonthCalendar& calendar, int32_t year, int32_t month);
DerivedRules collectHolidays(const MonthCalendar& calendar, int32_t year, int32_t month, DayMarks& marks,
                             std::span<const SpecialDay> specialDays);
void computeHolidays(MonthCalendar& calendar, std::span<const SpecialDay> specialDays);
std::wstring eraYearText(int32_t year, int32_t month, std::span<const EraName> eraNames);

}  // namespace calendar
