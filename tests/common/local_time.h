#pragma once
// The time_t of a local date and time, for tests that fix "now".
#include <ctime>

namespace testing_time {

inline std::time_t localTime(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

}  // namespace testing_time
