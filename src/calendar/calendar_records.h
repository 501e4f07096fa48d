#pragma once
// The records of config.txt. They are read once at start-up and never change, so
// references to them stay valid for the whole run.
#include <cstdint>
#include <string>

namespace calendar {

enum SpecialDayKind : uint8_t { Special = 0, RestDay = 1, Holiday = 2 };

enum SpecialDayRule : uint8_t {
    FixedDate = 0,
    NthWeekday = 1,
    Computed = 2,
    SubstituteHoliday = 3,
    CitizensHoliday = 4,
};

struct EraName {
    std::wstring name;
    uint16_t firstYear = 0;
    uint16_t lastYear = 0;
    uint8_t firstMonth = 0;
    uint8_t lastMonth = 0;
    uint8_t firstDay = 0;  // stored, read by no computation
    uint8_t lastDay = 0;   // stored, read by no computation
};

struct SpecialDay {
    std::wstring name;
    uint16_t firstYear = 0;
    uint16_t lastYear = 0;
    uint8_t kind = Special;  // SpecialDayKind
    uint8_t rule = 0;        // SpecialDayRule; other values mark no day
    int8_t month = 0;        // 1..12, or 0 for every month
    int8_t day = 0;          // FixedDate: day of month; NthWeekday: occurrence, <= 0 from the end
    int8_t weekday = 0;      // NthWeekday: 0 Sunday .. 6 Saturday
    double base = 0.0;       // Computed: constant term
    double drift = 0.0;      // Computed: factor of (year - 1980)
};

}  // namespace calendar
