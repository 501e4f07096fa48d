#pragma once
// Small builders of SpecialDay and EraName records for the calendar tests.
#include <string>

#include "calendar/calendar_records.h"

namespace calendar_fixture {

using namespace calendar;

inline SpecialDay rule(SpecialDayKind kind, SpecialDayRule r, int month = 0, int day = 0, int weekday = 0,
                       uint16_t firstYear = 1900, uint16_t lastYear = 9999) {
    SpecialDay d;
    d.name = L"r";
    d.firstYear = firstYear;
    d.lastYear = lastYear;
    d.kind = kind;
    d.rule = r;
    d.month = static_cast<int8_t>(month);
    d.day = static_cast<int8_t>(day);
    d.weekday = static_cast<int8_t>(weekday);
    return d;
}

inline SpecialDay fixed(int month, int day, SpecialDayKind kind = Holiday) { return rule(kind, FixedDate, month, day); }
inline SpecialDay nth(int month, int n, int weekday, SpecialDayKind kind = Holiday) {
    return rule(kind, NthWeekday, month, n, weekday);
}
inline SpecialDay computed(int month, double base, double drift) {
    SpecialDay d = rule(Holiday, Computed, month);
    d.base = base;
    d.drift = drift;
    return d;
}
inline SpecialDay substitute() { return rule(RestDay, SubstituteHoliday); }
inline SpecialDay citizens() { return rule(RestDay, CitizensHoliday); }

inline SpecialDay years(SpecialDay d, uint16_t first, uint16_t last) {
    d.firstYear = first;
    d.lastYear = last;
    return d;
}

inline EraName era(const wchar_t* name, uint16_t firstYear, uint8_t firstMonth, uint16_t lastYear, uint8_t lastMonth) {
    EraName e;
    e.name = name;
    e.firstYear = firstYear;
    e.firstMonth = firstMonth;
    e.firstDay = 1;
    e.lastYear = lastYear;
    e.lastMonth = lastMonth;
    e.lastDay = 1;
    return e;
}

}  // namespace calendar_fixture
