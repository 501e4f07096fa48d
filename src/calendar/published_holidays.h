#pragma once
// The Cabinet Office's list of national holidays and days off (syukujitsu.csv):
// a header line, then "YYYY/M/D,name" in date order, published in CP932 with
// CR LF. UTF-8 with or without a BOM, LF, leading zeros and blank lines at the
// end are read as well; anything else stops the reading at its line.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace calendar {

struct PublishedDay {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    std::wstring name;
};

struct PublishedHolidays {
    std::vector<PublishedDay> days;  // in date order
    int64_t errorLine = 0;           // 0 when the whole list was read
    std::wstring error;              // why that line is wrong
};

// Decodes one line's bytes from CP932, with U+FFFD where they are no CP932.
using Cp932Decode = std::function<std::wstring(std::string_view bytes)>;

// A file that starts with a BOM or whose first line is UTF-8 is read as UTF-8,
// any other through `decodeCp932`.
PublishedHolidays readPublishedHolidays(std::string_view bytes, const Cp932Decode& decodeCp932);

}  // namespace calendar
