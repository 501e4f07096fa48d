// Arbitrary bytes as the lines of config.txt: through the reader, then the marks
// and era text of every month of the years around the records' own years.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "calendar/config_reader.h"
#include "calendar/month_calendar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Two bytes a UTF-16 code unit, so that full-width digits, U+3000 and the
    // keywords are all within reach of the mutator.
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2) text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));

    std::vector<calendar::EraName> eraNames;
    std::vector<calendar::SpecialDay> specialDays;
    calendar::ConfigReader reader(eraNames, specialDays);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        if (!reader.readLine(std::wstring_view(text).substr(start, end - start))) break;
        start = end + 1;
    }

    std::set<int32_t> years{0, -1, 1, 1980, INT32_MIN, INT32_MAX, -100000, 100000};
    for (const calendar::SpecialDay& d : specialDays) {
        for (int32_t y : {int32_t{d.firstYear}, int32_t{d.lastYear}}) years.insert({y - 1, y, y + 1});
        if (years.size() > 24) break;
    }
    for (const calendar::EraName& e : eraNames) {
        years.insert({int32_t{e.firstYear}, int32_t{e.lastYear}});
        if (years.size() > 32) break;
    }
    for (int32_t year : years) {
        for (int32_t month = 1; month <= 12; ++month) {
            calendar::MonthCalendar calendar;
            calendar::setMonth(calendar, year, month);
            calendar::computeHolidays(calendar, specialDays);
            (void)calendar::eraYearText(year, month, eraNames);
        }
    }
    return 0;
}
