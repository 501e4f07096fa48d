#include "calendar/month_calendar.h"

#include <cmath>
#include <limits>

namespace calendar {

namespace {

bool isLeapYear(int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// The length of a month as the calendar holds it, kept inside the marks so that
// a caller's odd table cannot make us index past them.
int32_t monthLength(const MonthCalendar& calendar, int32_t month) {
    int32_t length = calendar.daysInMonth[static_cast<size_t>(month)];
    if (length < 1) return 1;
    if (length > 31) return 31;
    return length;
}

bool isMonth(int32_t month) { return month >= 1 && month <= 12; }

bool isHoliday(const SpecialDay* mark) { return mark && mark->kind == Holiday; }

int32_t firstWeekday(int32_t year, int32_t month) {
    MonthCalendar scratch;
    setMonth(scratch, year, month);
    return scratch.weekday;
}

// Neighbouring years of the extreme ones stay in range; no record covers them anyway.
int32_t yearBefore(int32_t year) { return year == std::numeric_limits<int32_t>::min() ? year : year - 1; }
int32_t yearAfter(int32_t year) { return year == std::numeric_limits<int32_t>::max() ? year : year + 1; }

// The day of the month a dated rule gives, or 0 when it gives none in 1..31.
int32_t ruleDay(const SpecialDay& record, int64_t year, int32_t firstWeekdayOfMonth, int32_t length) {
    int64_t day = 0;
    switch (record.rule) {
        case FixedDate: day = record.day; break;
        case NthWeekday: {
            int32_t w = record.weekday;
            if (w < 0 || w > 6) return 0;  // the line named no weekday
            int32_t d = firstWeekdayOfMonth;
            int32_t first = d <= w ? w - d + 1 : w - d + 8;
            int32_t n = record.day;
            if (n > 0) {
                day = first + 7 * (n - 1);
            } else {
                int32_t fifth = first + 28;
                int32_t last = fifth <= length ? fifth : fifth - 7;
                day = last + 7 * (n + 1);
            }
            break;
        }
        case Computed: {
            int64_t y = year - 1980;
            double value = std::trunc(static_cast<double>(y) * record.drift + record.base);
            // Far outside a month (or not a number): no day, and no out-of-range conversion.
            if (!(value > -1e6 && value < 1e6)) return 0;
            day = static_cast<int64_t>(value) - y / 4;
            break;
        }
        default: return 0;
    }
    return day >= 1 && day <= 31 ? static_cast<int32_t>(day) : 0;
}

}  // namespace

void setMonth(MonthCalendar& calendar, int32_t year, int32_t month) {
    calendar.year = year;
    calendar.month = month;
    calendar.day = 1;
    calendar.daysInMonth[2] = isLeapYear(year) ? 29 : 28;
    int64_t y = month > 2 ? year : int64_t{year} - 1;
    if (y < 0) y += 2000;
    // Years before -2000 stay negative; whole 400-year cycles keep the weekday
    // and bring them to where the formula counts right.
    if (y < 0) y = y % 400 + 400;
    int64_t m = month > 2 ? month : int64_t{month} + 12;
    int64_t weekday = ((13 * m + 8) / 5 + y + y / 4 - y / 100 + y / 400 + 1) % 7;
    if (weekday < 0) weekday += 7;  // only for a month outside 1..12
    calendar.weekday = static_cast<int32_t>(weekday);
}

DerivedRules collectHolidays(const MonthCalendar& calendar, int32_t year, int32_t month, DayMarks& marks,
                             std::span<const SpecialDay> specialDays) {
    marks.fill(nullptr);
    DerivedRules derived;
    if (!isMonth(month)) return derived;
    const int32_t d = firstWeekday(year, month);
    const int32_t length = monthLength(calendar, month);

    for (size_t i = specialDays.size(); i-- > 0;) {
        const SpecialDay& record = specialDays[i];
        if (year < record.firstYear || year > record.lastYear) continue;
        switch (record.rule) {
            case FixedDate:
            case NthWeekday:
            case Computed:
                if (record.month != month && record.month != 0) continue;
                if (int32_t day = ruleDay(record, year, d, length)) marks[static_cast<size_t>(day)] = &record;
                break;
            case SubstituteHoliday: derived.substituteRule = &record; break;
            case CitizensHoliday: derived.citizensRule = &record; break;
            default: break;
        }
    }

    if (derived.substituteRule) {
        for (int32_t sunday = d == 0 ? 1 : 8 - d; sunday <= 31; sunday += 7) {
            if (!marks[static_cast<size_t>(sunday)]) continue;
            for (int32_t k = sunday + 1; k <= 32; ++k) {
                if (!isHoliday(marks[static_cast<size_t>(k)])) {
                    marks[static_cast<size_t>(k)] = derived.substituteRule;
                    break;
                }
            }
        }
    }

    if (derived.citizensRule) {
        for (int32_t j = 2; j <= 30; ++j) {
            size_t i = static_cast<size_t>(j);
            if (isHoliday(marks[i - 1]) && !isHoliday(marks[i]) && isHoliday(marks[i + 1]) && (d + j - 1) % 7 != 0)
                marks[i] = derived.citizensRule;
        }
    }
    return derived;
}

void computeHolidays(MonthCalendar& calendar, std::span<const SpecialDay> specialDays) {
    const int32_t year = calendar.year;
    const int32_t month = calendar.month;
    if (!isMonth(month)) {
        calendar.marks.fill(nullptr);
        return;
    }
    const int32_t w1 = firstWeekday(year, month);
    DerivedRules derived = collectHolidays(calendar, year, month, calendar.marks, specialDays);
    if (!derived.substituteRule && !derived.citizensRule) return;
    DayMarks& marks = calendar.marks;

    const int32_t previousMonth = month == 1 ? 12 : month - 1;
    const int32_t previousYear = month == 1 ? yearBefore(year) : year;
    DayMarks neighbour;
    collectHolidays(calendar, previousYear, previousMonth, neighbour, specialDays);
    const size_t previousLength = static_cast<size_t>(monthLength(calendar, previousMonth));

    // The previous month's substitute holiday that fell after its last day.
    if (derived.substituteRule && neighbour[previousLength + 1] == derived.substituteRule) {
        for (size_t k = 1; k <= 31; ++k) {
            if (!isHoliday(marks[k])) {
                marks[k] = derived.substituteRule;
                break;
            }
        }
    }
    if (!derived.citizensRule) return;

    if (isHoliday(neighbour[previousLength]) && !isHoliday(marks[1]) && isHoliday(marks[2]) && w1 != 0)
        marks[1] = derived.citizensRule;

    const int32_t nextMonth = month == 12 ? 1 : month + 1;
    const int32_t nextYear = month == 12 ? yearAfter(year) : year;
    collectHolidays(calendar, nextYear, nextMonth, neighbour, specialDays);
    const int32_t length = monthLength(calendar, month);
    const size_t last = static_cast<size_t>(length);
    if (length >= 2 && isHoliday(marks[last - 1]) && !isHoliday(marks[last]) && isHoliday(neighbour[1]) &&
        (length - 1 + w1) % 7 != 0)
        marks[last] = derived.citizensRule;
}

std::wstring eraYearText(int32_t year, int32_t month, std::span<const EraName> eraNames) {
    std::wstring text;
    for (const EraName& era : eraNames) {
        bool applies = (era.firstYear < year && year < era.lastYear) ||
                       (year == era.firstYear && month >= era.firstMonth) ||
                       (year == era.lastYear && month <= era.lastMonth);
        if (!applies) continue;
        if (!text.empty()) text += L"/";
        int64_t n = int64_t{year} - era.firstYear + 1;
        text += era.name;
        text += n == 1 ? std::wstring(L"元年") : std::to_wstring(n) + L"年";
    }
    return text;
}

}  // namespace calendar
