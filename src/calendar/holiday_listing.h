#pragma once
// What the records give for whole years, as text lines, so that someone who
// edited config.txt can see the result without starting the gadget.
#include <cstdint>
#include <span>
#include <string>

#include "calendar/calendar_records.h"

namespace calendar {

// "YYYY-MM-DD\tkind\tname\n" for every marked day 1..length of every month, in
// date order, as computeHolidays marks it; kind is 祝日, 休日 or 特別.
std::wstring listHolidays(int32_t firstYear, int32_t lastYear, std::span<const SpecialDay> specialDays);

// "YYYY-MM\tera text\n" for every month.
std::wstring listEras(int32_t firstYear, int32_t lastYear, std::span<const EraName> eraNames);

}  // namespace calendar
