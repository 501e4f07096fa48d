#pragma once
// What the records give for whole years, as text lines, so that someone who
// edited config.txt can see the result without starting the gadget.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "calendar/calendar_records.h"

namespace calendar {

// Called for every marked day 1..length of every month of the years, in date
// order, with the record that computeHolidays puts on it.
using MarkedDayVisitor = std::function<void(int32_t year, int32_t month, int32_t day, const SpecialDay& mark)>;
void forEachMarkedDay(int32_t firstYear, int32_t lastYear, std::span<const SpecialDay> specialDays,
                      const MarkedDayVisitor& visit);

// "YYYY-MM-DD".
std::wstring dayText(int32_t year, int32_t month, int32_t day);
// 祝日, 休日 or 特別.
const wchar_t* kindText(uint8_t kind);

// "YYYY-MM-DD\tkind\tname\n" for every marked day, as forEachMarkedDay walks them.
std::wstring listHolidays(int32_t firstYear, int32_t lastYear, std::span<const SpecialDay> specialDays);

// "YYYY-MM\tera text\n" for every month.
std::wstring listEras(int32_t firstYear, int32_t lastYear, std::span<const EraName> eraNames);

}  // namespace calendar
