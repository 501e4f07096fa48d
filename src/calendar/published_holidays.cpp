#include "calendar/published_holidays.h"

#include "calendar/month_calendar.h"
#include "calendar/utf8.h"

namespace calendar {

namespace {

constexpr std::wstring_view HEADER = L"国民の祝日・休日月日,国民の祝日・休日名称";
constexpr std::string_view BOM = "\xEF\xBB\xBF";

// Control characters other than the tab, and what no decoder could read.
bool isText(std::wstring_view line) {
    for (wchar_t c : line) {
        if ((c < 0x20 && c != L'\t') || c == 0x7F || c == 0xFFFD) return false;
    }
    return true;
}

bool isBlank(std::wstring_view line) { return line.find_first_not_of(L" \t\u3000") == std::wstring_view::npos; }

// ASCII digits only, leading zeros allowed.
bool readNumber(std::wstring_view text, int32_t& value) {
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + (c - L'0');
    }
    return true;
}

bool readDate(std::wstring_view text, PublishedDay& day) {
    size_t first = text.find(L'/');
    size_t second = first == std::wstring_view::npos ? first : text.find(L'/', first + 1);
    return second != std::wstring_view::npos && readNumber(text.substr(0, first), day.year) &&
           readNumber(text.substr(first + 1, second - first - 1), day.month) &&
           readNumber(text.substr(second + 1), day.day);
}

bool isRealDate(const PublishedDay& day) {
    if (day.year < 1 || day.year > 9999 || day.month < 1 || day.month > 12 || day.day < 1) return false;
    MonthCalendar calendar;
    setMonth(calendar, day.year, day.month);
    return day.day <= calendar.daysInMonth[static_cast<size_t>(day.month)];
}

int64_t dateKey(const PublishedDay& day) { return (int64_t{day.year} * 100 + day.month) * 100 + day.day; }

// The lines without their line ends; an empty piece after the last line end is no line.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view{} : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

PublishedHolidays readPublishedHolidays(std::string_view bytes, const Cp932Decode& decodeCp932) {
    PublishedHolidays list;
    auto fail = [&](int64_t line, std::wstring why) {
        list.days.clear();
        list.errorLine = line;
        list.error = std::move(why);
        return list;
    };

    // The first line tells the encoding: UTF-8 when it is UTF-8, else CP932. The
    // published header is never UTF-8, and a wrong one is reported as such.
    bool utf8 = bytes.starts_with(BOM);
    if (utf8) bytes.remove_prefix(BOM.size());
    std::vector<std::string_view> lines = splitLines(bytes);
    if (!utf8 && !lines.empty()) utf8 = fromUtf8(lines[0]).find(L'\xFFFD') == std::wstring::npos;

    int64_t firstBlank = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int64_t number = static_cast<int64_t>(i) + 1;
        std::wstring line = utf8 ? fromUtf8(lines[i]) : decodeCp932(lines[i]);
        if (!isText(line)) return fail(number, L"文字として読めないバイトか制御文字があります");
        if (number == 1) {
            if (line != HEADER) return fail(number, L"見出しが「" + std::wstring(HEADER) + L"」ではありません");
            continue;
        }
        if (isBlank(line)) {
            if (firstBlank == 0) firstBlank = number;
            continue;
        }
        if (firstBlank != 0) return fail(firstBlank, L"空行です (空行はファイルの最後にだけ置けます)");

        size_t comma = line.find(L',');
        size_t fields = 1;
        for (wchar_t c : line) fields += c == L',';
        if (fields != 2) {
            return fail(number, L"項目が " + std::to_wstring(fields) + L" 個あります (日付と名称の 2 個のはずです)");
        }
        PublishedDay day;
        std::wstring date = line.substr(0, comma);
        day.name = line.substr(comma + 1);
        if (!readDate(date, day)) return fail(number, L"日付「" + date + L"」が 年/月/日 の形ではありません");
        if (!isRealDate(day)) return fail(number, L"「" + date + L"」という日はありません");
        if (!list.days.empty() && dateKey(day) <= dateKey(list.days.back())) {
            return fail(number, L"日付「" + date + L"」が前の行の日付より後ではありません");
        }
        if (day.name.empty()) return fail(number, L"名称がありません");
        list.days.push_back(std::move(day));
    }
    if (lines.empty()) return fail(1, L"見出しがありません");
    if (list.days.empty()) return fail(2, L"日付の行がありません");
    return list;
}

}  // namespace calendar
