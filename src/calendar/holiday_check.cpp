#include "calendar/holiday_check.h"

#include <vector>

#include "calendar/holiday_listing.h"

namespace calendar {

namespace {

struct MarkedDay {
    int32_t year, month, day;
    const SpecialDay* mark;
};

int64_t dateKey(int32_t year, int32_t month, int32_t day) { return (int64_t{year} * 100 + month) * 100 + day; }

bool namesAgree(const std::wstring& listed, const SpecialDay& mark) {
    if (listed == mark.name) return true;
    if (listed == L"休日") {
        return mark.rule == SubstituteHoliday || mark.rule == CitizensHoliday || mark.kind == RestDay;
    }
    return listed == L"休日（祝日扱い）";
}

std::wstring configText(const SpecialDay& mark) {
    return std::wstring(L"config.txt: ") + kindText(mark.kind) + L' ' + mark.name;
}

}  // namespace

HolidayCheck checkAgainstPublished(std::span<const PublishedDay> listed, std::span<const SpecialDay> specialDays) {
    const int32_t firstYear = listed.front().year, lastYear = listed.back().year;
    std::vector<MarkedDay> marked;
    forEachMarkedDay(firstYear, lastYear, specialDays,
                     [&](int32_t year, int32_t month, int32_t day, const SpecialDay& mark) {
                         if (mark.kind != Special) marked.push_back({year, month, day, &mark});
                     });

    HolidayCheck check;
    auto report = [&](int32_t year, int32_t month, int32_t day, const std::wstring& what) {
        check.report += dayText(year, month, day) + L'\t' + what + L'\n';
        ++check.differences;
    };
    auto reportUnlisted = [&](const MarkedDay& mark) {
        report(mark.year, mark.month, mark.day, L"一覧にない\t" + configText(*mark.mark));
    };
    size_t m = 0;
    for (const PublishedDay& day : listed) {
        const int64_t key = dateKey(day.year, day.month, day.day);
        for (; m < marked.size() && dateKey(marked[m].year, marked[m].month, marked[m].day) < key; ++m)
            reportUnlisted(marked[m]);
        if (m < marked.size() && dateKey(marked[m].year, marked[m].month, marked[m].day) == key) {
            if (!namesAgree(day.name, *marked[m].mark)) {
                report(day.year, day.month, day.day,
                       L"名前が違う\t一覧: " + day.name + L'\t' + configText(*marked[m].mark));
            }
            ++m;
        } else {
            report(day.year, day.month, day.day, L"config.txt にない\t一覧: " + day.name);
        }
    }
    for (; m < marked.size(); ++m) reportUnlisted(marked[m]);
    check.report += std::to_wstring(firstYear) + L"年から" + std::to_wstring(lastYear) + L"年まで: 一覧 " +
                    std::to_wstring(listed.size()) + L" 日、違い " + std::to_wstring(check.differences) + L" 件\n";
    return check;
}

}  // namespace calendar
