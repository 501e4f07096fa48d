#pragma once
// config.txt against the published list of holidays: which days differ, so that
// an edited file can be checked against the government's own list.
#include <cstdint>
#include <span>
#include <string>

#include "calendar/calendar_records.h"
#include "calendar/published_holidays.h"

namespace calendar {

struct HolidayCheck {
    // One line per difference in date order, then a line that sums up.
    std::wstring report;
    int64_t differences = 0;
};

// Compares the marks of the records for every year from the list's first to its
// last with the listed days (not empty, in date order). Special days of the
// records are left out: the list has none. A listed "休日" agrees with a
// substitute or citizens' holiday or any rest day, "休日（祝日扱い）" with any
// holiday or rest day; other names must be the same.
HolidayCheck checkAgainstPublished(std::span<const PublishedDay> listed, std::span<const SpecialDay> specialDays);

}  // namespace calendar
