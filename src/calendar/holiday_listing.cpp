#include "calendar/holiday_listing.h"

#include <cstdio>

#include "calendar/month_calendar.h"

namespace calendar {

namespace {

std::wstring formatted(const wchar_t* format, int32_t year, int32_t month, int32_t day = 0) {
    wchar_t text[48];
    std::swprintf(text, sizeof text / sizeof text[0], format, year, month, day);
    return text;
}

}  // namespace

void forEachMarkedDay(int32_t firstYear, int32_t lastYear, std::span<const SpecialDay> specialDays,
                      const MarkedDayVisitor& visit) {
    for (int64_t year = firstYear; year <= lastYear; ++year) {
        for (int32_t month = 1; month <= 12; ++month) {
            MonthCalendar calendar;
            setMonth(calendar, static_cast<int32_t>(year), month);
            computeHolidays(calendar, specialDays);
            for (int32_t day = 1; day <= calendar.daysInMonth[static_cast<size_t>(month)]; ++day) {
                const SpecialDay* mark = calendar.marks[static_cast<size_t>(day)];
                if (mark) visit(static_cast<int32_t>(year), month, day, *mark);
            }
        }
    }
}

std::wstring dayText(int32_t year, int32_t month, int32_t day) {
    return formatted(L"%04d-%02d-%02d", year, month, day);
}

const wchar_t* kindText(uint8_t kind) {
    switch (kind) {
        case Holiday: return L"祝日";
        case RestDay: return L"休日";
        default: return L"特別";
    }
}

std::wstring listHolidays(int32_t firstYear, int32_t lastYear, std::span<const SpecialDay> specialDays) {
    std::wstring out;
    forEachMarkedDay(firstYear, lastYear, specialDays,
                     [&](int32_t year, int32_t month, int32_t day, const SpecialDay& mark) {
                         out += dayText(year, month, day) + L'\t' + kindText(mark.kind) + L'\t' + mark.name + L'\n';
                     });
    return out;
}

std::wstring listEras(int32_t firstYear, int32_t lastYear, std::span<const EraName> eraNames) {
    std::wstring out;
    for (int64_t year = firstYear; year <= lastYear; ++year) {
        for (int32_t month = 1; month <= 12; ++month) {
            out += formatted(L"%04d-%02d\t", static_cast<int32_t>(year), month);
            out += eraYearText(static_cast<int32_t>(year), month, eraNames);
            out += L'\n';
        }
    }
    return out;
}

}  // namespace calendar
