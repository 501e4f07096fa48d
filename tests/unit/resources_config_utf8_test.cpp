// The shipped holidays and eras of Japan, read from the editable master of
// config.txt: dates that are easy to get wrong, whole years, and the equinox days.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/config_reader.h"
#include "calendar/holiday_listing.h"
#include "calendar/month_calendar.h"
#include "calendar/utf8.h"

namespace {

using namespace calendar;

struct Shipped {
    std::vector<EraName> eras;
    std::vector<SpecialDay> days;
    std::wstring message;
};

const Shipped& shipped() {
    static const Shipped records = [] {
        Shipped s;
        std::string path = __FILE__;
        path = path.substr(0, path.find_last_of("/\\")) + "/../../resources/config.utf8.txt";
        std::ifstream file(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (bytes.empty()) s.message = L"cannot read " + fromUtf8(path);
        ConfigReader reader(s.eras, s.days);
        std::wistringstream lines(fromUtf8(bytes));
        for (std::wstring line; s.message.empty() && std::getline(lines, line);) {
            if (!reader.readLine(line)) s.message = reader.message();
        }
        return s;
    }();
    return records;
}

TEST(ShippedConfig, LoadsWithoutMessage) {
    EXPECT_EQ(shipped().message, L"");
    EXPECT_EQ(shipped().eras.size(), 5u);
    EXPECT_GT(shipped().days.size(), 40u);
}

// The kind and name listed for one day, or "" when the day is not marked.
std::wstring markOf(int32_t year, int32_t month, int32_t day) {
    MonthCalendar calendar;
    setMonth(calendar, year, month);
    computeHolidays(calendar, shipped().days);
    const SpecialDay* mark = calendar.marks[static_cast<size_t>(day)];
    if (!mark) return L"";
    return std::wstring(mark->kind == Holiday ? L"祝日 " : mark->kind == RestDay ? L"休日 " : L"特別 ") + mark->name;
}

struct DayCase {
    int32_t year, month, day;
    const wchar_t* mark;
};

TEST(ShippedConfig, DaysThatAreEasyToGetWrong) {
    const DayCase cases[] = {
        {1948, 5, 3, L""},  // before the law of July 1948
        {1948, 9, 23, L"祝日 秋分の日"},
        {1949, 1, 15, L"祝日 成人の日"},
        {1959, 4, 10, L"休日 皇太子明仁親王の結婚の儀"},
        {1966, 2, 11, L""},
        {1966, 9, 15, L"祝日 敬老の日"},
        {1967, 2, 11, L"祝日 建国記念の日"},
        {1973, 2, 12, L""},  // Sunday holiday before the substitute law
        {1973, 4, 30, L"休日 振替休日"},
        {1973, 9, 24, L"休日 振替休日"},
        {1979, 9, 24, L"祝日 秋分の日"},
        {1987, 5, 4, L"休日 振替休日"},  // 3 May a Sunday: a substitute, not a citizens' day
        {1988, 5, 4, L"休日 国民の休日"},
        {1989, 2, 24, L"休日 昭和天皇の大喪の礼"},
        {1989, 4, 29, L"祝日 みどりの日"},
        {1989, 12, 23, L"祝日 天皇誕生日"},
        {1990, 11, 12, L"休日 即位礼正殿の儀"},
        {1993, 6, 9, L"休日 皇太子徳仁親王の結婚の儀"},
        {1996, 7, 20, L"祝日 海の日"},
        {1998, 5, 4, L"休日 振替休日"},
        {1999, 10, 10, L"祝日 体育の日"},
        {2000, 1, 10, L"祝日 成人の日"},
        {2000, 1, 15, L""},
        {2003, 7, 21, L"祝日 海の日"},
        {2003, 9, 15, L"祝日 敬老の日"},
        {2006, 5, 4, L"休日 国民の休日"},
        {2007, 4, 29, L"祝日 昭和の日"},
        {2007, 5, 4, L"祝日 みどりの日"},
        {2008, 5, 6, L"休日 振替休日"},  // Sunday 4 May, holiday 5 May
        {2009, 9, 22, L"休日 国民の休日"},
        {2016, 8, 11, L"祝日 山の日"},
        {2018, 12, 24, L"休日 振替休日"},
        {2019, 4, 30, L"休日 国民の休日"},
        {2019, 5, 1, L"休日 天皇の即位の日"},
        {2019, 5, 2, L"休日 国民の休日"},
        {2019, 5, 6, L"休日 振替休日"},
        {2019, 10, 22, L"休日 即位礼正殿の儀の行われる日"},
        {2019, 12, 23, L""},
        {2019, 2, 23, L""},
        {2020, 2, 24, L"休日 振替休日"},
        {2020, 7, 20, L""},
        {2020, 7, 23, L"祝日 海の日"},
        {2020, 7, 24, L"祝日 スポーツの日"},
        {2020, 8, 10, L"祝日 山の日"},
        {2020, 8, 11, L""},
        {2020, 10, 12, L""},
        {2021, 7, 22, L"祝日 海の日"},
        {2021, 7, 23, L"祝日 スポーツの日"},
        {2021, 8, 8, L"祝日 山の日"},
        {2021, 8, 9, L"休日 振替休日"},
        {2021, 10, 11, L""},
        {2022, 10, 10, L"祝日 スポーツの日"},
        {2026, 9, 22, L"休日 国民の休日"},
        {2032, 9, 21, L"休日 国民の休日"},
        {2092, 3, 19, L"祝日 春分の日"},
    };
    for (const DayCase& c : cases) {
        EXPECT_EQ(markOf(c.year, c.month, c.day), c.mark) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(ShippedConfig, TheWholeOf2019And1973) {
    EXPECT_EQ(toUtf8(listHolidays(2019, 2019, shipped().days)),
              "2019-01-01\t祝日\t元日\n"
              "2019-01-14\t祝日\t成人の日\n"
              "2019-02-11\t祝日\t建国記念の日\n"
              "2019-03-21\t祝日\t春分の日\n"
              "2019-04-29\t祝日\t昭和の日\n"
              "2019-04-30\t休日\t国民の休日\n"
              "2019-05-01\t休日\t天皇の即位の日\n"
              "2019-05-02\t休日\t国民の休日\n"
              "2019-05-03\t祝日\t憲法記念日\n"
              "2019-05-04\t祝日\tみどりの日\n"
              "2019-05-05\t祝日\tこどもの日\n"
              "2019-05-06\t休日\t振替休日\n"
              "2019-07-15\t祝日\t海の日\n"
              "2019-08-11\t祝日\t山の日\n"
              "2019-08-12\t休日\t振替休日\n"
              "2019-09-16\t祝日\t敬老の日\n"
              "2019-09-23\t祝日\t秋分の日\n"
              "2019-10-14\t祝日\t体育の日\n"
              "2019-10-22\t休日\t即位礼正殿の儀の行われる日\n"
              "2019-11-03\t祝日\t文化の日\n"
              "2019-11-04\t休日\t振替休日\n"
              "2019-11-23\t祝日\t勤労感謝の日\n");
    EXPECT_EQ(toUtf8(listHolidays(1973, 1973, shipped().days)),
              "1973-01-01\t祝日\t元日\n"
              "1973-01-15\t祝日\t成人の日\n"
              "1973-02-11\t祝日\t建国記念の日\n"
              "1973-03-21\t祝日\t春分の日\n"
              "1973-04-29\t祝日\t天皇誕生日\n"
              "1973-04-30\t休日\t振替休日\n"
              "1973-05-03\t祝日\t憲法記念日\n"
              "1973-05-05\t祝日\tこどもの日\n"
              "1973-09-15\t祝日\t敬老の日\n"
              "1973-09-23\t祝日\t秋分の日\n"
              "1973-09-24\t休日\t振替休日\n"
              "1973-10-10\t祝日\t体育の日\n"
              "1973-11-03\t祝日\t文化の日\n"
              "1973-11-23\t祝日\t勤労感謝の日\n");
}

// The equinox days as the widely published approximation gives them (valid for
// 1900-2099, with its own leap-year term before 1980), against our computed rules.
int publishedEquinoxDay(int year, bool autumn) {
    int y = year - 1980;
    if (year <= 1979) {
        double base = autumn ? 23.2588 : 20.8357;
        return static_cast<int>(base + 0.242194 * y) - static_cast<int>((year - 1983) / 4);
    }
    double base = autumn ? 23.2488 : 20.8431;
    return static_cast<int>(base + 0.242194 * y) - y / 4;
}

TEST(ShippedConfig, EquinoxDaysFrom1949To2099) {
    for (int year = 1949; year <= 2099; ++year) {
        for (bool autumn : {false, true}) {
            int month = autumn ? 9 : 3;
            int day = publishedEquinoxDay(year, autumn);
            const wchar_t* name = autumn ? L"祝日 秋分の日" : L"祝日 春分の日";
            EXPECT_EQ(markOf(year, month, day), name) << year << "-" << month;
            // and on no other day of the month
            for (int other = 1; other <= 31; ++other) {
                if (other == day) continue;
                EXPECT_NE(markOf(year, month, other), name) << year << "-" << month << "-" << other;
            }
        }
    }
}

TEST(ShippedConfig, Eras) {
    const std::map<std::pair<int, int>, std::wstring> cases = {
        {{1868, 1}, L"明治元年"},  {{1912, 7}, L"明治45年/大正元年"}, {{1926, 12}, L"大正15年/昭和元年"},
        {{1988, 12}, L"昭和63年"}, {{1989, 1}, L"昭和64年/平成元年"}, {{1989, 2}, L"平成元年"},
        {{2019, 4}, L"平成31年"},  {{2019, 5}, L"令和元年"},          {{2026, 12}, L"令和8年"},
        {{1867, 12}, L""},
    };
    for (const auto& [when, text] : cases)
        EXPECT_EQ(eraYearText(when.first, when.second, shipped().eras), text) << when.first << "-" << when.second;
}

}  // namespace
