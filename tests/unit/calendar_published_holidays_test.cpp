// The Cabinet Office's holiday list (syukujitsu.csv): the forms it is read in,
// the lines it refuses, and its comparison with the records of config.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calendar/holiday_check.h"
#include "calendar/published_holidays.h"
#include "calendar/utf8.h"
#include "calendar_records_fixture.h"

namespace {

using namespace calendar;
using namespace calendar_fixture;

const std::string HEADER = "国民の祝日・休日月日,国民の祝日・休日名称";

// The UTF-8 files of these tests never reach the CP932 decoder.
std::wstring noCp932(std::string_view) {
    ADD_FAILURE() << "decoded as CP932";
    return L"\xFFFD";
}

// What a CP932 decoder gives for bytes that are no CP932.
std::wstring undecodable(std::string_view) { return L"\xFFFD"; }

std::string daysOf(const PublishedHolidays& list) {
    std::string text;
    for (const PublishedDay& d : list.days) {
        text += std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day) + " " +
                toUtf8(d.name) + ";";
    }
    return text;
}

TEST(PublishedHolidays, AcceptedForms) {
    const char* const EXPECTED = "2024-1-1 元日;2024-2-12 休日;";
    const std::map<std::string, std::string> files = {
        {"UTF-8, CR LF", HEADER + "\r\n2024/1/1,元日\r\n2024/2/12,休日\r\n"},
        {"a BOM", "\xEF\xBB\xBF" + HEADER + "\r\n2024/1/1,元日\r\n2024/2/12,休日\r\n"},
        {"LF", HEADER + "\n2024/1/1,元日\n2024/2/12,休日\n"},
        {"no line end at the end", HEADER + "\n2024/1/1,元日\n2024/2/12,休日"},
        {"leading zeros", HEADER + "\r\n2024/01/01,元日\r\n02024/02/012,休日\r\n"},
        {"blank lines at the end", HEADER + "\r\n2024/1/1,元日\r\n2024/2/12,休日\r\n\r\n \r\n\n"},
    };
    for (const auto& [form, bytes] : files) {
        PublishedHolidays list = readPublishedHolidays(bytes, noCp932);
        EXPECT_EQ(list.errorLine, 0) << form << ": " << toUtf8(list.error);
        EXPECT_EQ(daysOf(list), EXPECTED) << form;
    }
}

TEST(PublishedHolidays, Cp932LinesGoThroughTheDecoder) {
    // The published bytes of the header, "2024/1/1,元日" and "2024/2/12,休日".
    const std::string header =
        "\x8d\x91\x96\xaf\x82\xcc\x8f\x6a\x93\xfa\x81\x45\x8b\x78\x93\xfa\x8c\x8e\x93\xfa,"
        "\x8d\x91\x96\xaf\x82\xcc\x8f\x6a\x93\xfa\x81\x45\x8b\x78\x93\xfa\x96\xbc\x8f\xcc";
    const std::map<std::string, std::wstring> cp932 = {
        {header, fromUtf8(HEADER)},
        {"2024/1/1,\x8c\xb3\x93\xfa", L"2024/1/1,元日"},
        {"2024/2/12,\x8b\x78\x93\xfa", L"2024/2/12,休日"},
    };
    auto decode = [&](std::string_view bytes) {
        auto found = cp932.find(std::string(bytes));
        return found == cp932.end() ? std::wstring(L"\xFFFD") : found->second;
    };
    const std::string file = header + "\r\n2024/1/1,\x8c\xb3\x93\xfa\r\n2024/2/12,\x8b\x78\x93\xfa\r\n";
    PublishedHolidays list = readPublishedHolidays(file, decode);
    EXPECT_EQ(list.errorLine, 0) << toUtf8(list.error);
    EXPECT_EQ(daysOf(list), "2024-1-1 元日;2024-2-12 休日;");

    list = readPublishedHolidays(file + "2024/3/20,\x85\x40\r\n", decode);
    EXPECT_EQ(list.errorLine, 4);
    EXPECT_EQ(list.error, L"文字として読めないバイトか制御文字があります");
}

TEST(PublishedHolidays, RefusedLinesWithTheirNumbers) {
    struct Case {
        const char* what;
        std::string bytes;
        int64_t line;
        const char* error;
    };
    const std::string ok = HEADER + "\r\n2024/1/1,元日\r\n";
    const Case cases[] = {
        {"three fields", ok + "2024/2/11,建国記念の日,祝日\r\n", 3,
         "項目が 3 個あります (日付と名称の 2 個のはずです)"},
        {"one field", ok + "2024/2/11\r\n", 3, "項目が 1 個あります (日付と名称の 2 個のはずです)"},
        {"30 February", ok + "2024/2/30,休日\r\n", 3, "「2024/2/30」という日はありません"},
        {"29 February 2100", HEADER + "\r\n2100/2/29,休日\r\n", 2, "「2100/2/29」という日はありません"},
        {"month 13", ok + "2024/13/1,休日\r\n", 3, "「2024/13/1」という日はありません"},
        {"day 0", ok + "2024/3/0,休日\r\n", 3, "「2024/3/0」という日はありません"},
        {"year 0", HEADER + "\r\n0/1/1,元日\r\n", 2, "「0/1/1」という日はありません"},
        {"dashes", ok + "2024-02-11,建国記念の日\r\n", 3, "日付「2024-02-11」が 年/月/日 の形ではありません"},
        {"a space", ok + "2024/2/11 ,建国記念の日\r\n", 3, "日付「2024/2/11 」が 年/月/日 の形ではありません"},
        {"four numbers", ok + "2024/2/11/1,建国記念の日\r\n", 3, "日付「2024/2/11/1」が 年/月/日 の形ではありません"},
        {"no name", ok + "2024/2/11,\r\n", 3, "名称がありません"},
        {"a day twice", ok + "2024/1/1,元日\r\n", 3, "日付「2024/1/1」が前の行の日付より後ではありません"},
        {"out of order", ok + "2023/12/31,休日\r\n", 3, "日付「2023/12/31」が前の行の日付より後ではありません"},
        {"a blank line inside", ok + "\r\n2024/2/11,建国記念の日\r\n", 3,
         "空行です (空行はファイルの最後にだけ置けます)"},
        {"another header", "日付,名称\r\n2024/1/1,元日\r\n", 1,
         "見出しが「国民の祝日・休日月日,国民の祝日・休日名称」ではありません"},
        {"no header", "2024/1/1,元日\r\n", 1, "見出しが「国民の祝日・休日月日,国民の祝日・休日名称」ではありません"},
        {"an empty file", "", 1, "見出しがありません"},
        {"the header only", HEADER + "\r\n\r\n", 2, "日付の行がありません"},
        {"a picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 1,
         "文字として読めないバイトか制御文字があります"},
        {"a NUL byte", ok + std::string("2024/2/11,\0\r\n", 13), 3, "文字として読めないバイトか制御文字があります"},
        {"a byte that is no UTF-8", ok + "2024/2/11,\xff\r\n", 3, "文字として読めないバイトか制御文字があります"},
        {"a CR inside a line", ok + "2024/2/11,建国\r記念の日\r\n", 3, "文字として読めないバイトか制御文字があります"},
    };
    for (const Case& c : cases) {
        PublishedHolidays list = readPublishedHolidays(c.bytes, undecodable);
        EXPECT_EQ(list.errorLine, c.line) << c.what;
        EXPECT_EQ(toUtf8(list.error), c.error) << c.what;
        EXPECT_TRUE(list.days.empty()) << c.what;
    }
}

// Holidays, a rest day, the two derived rules and a special day.
std::vector<SpecialDay> records() {
    auto named = [](SpecialDay d, const wchar_t* name) {
        d.name = name;
        return d;
    };
    return {
        named(fixed(1, 1), L"元日"),
        named(nth(1, 2, 1), L"成人の日"),
        named(fixed(2, 11), L"建国記念の日"),
        named(fixed(2, 14, Special), L"特別な日"),
        named(fixed(4, 30, RestDay), L"即位の日"),
        named(fixed(5, 3), L"憲法記念日"),
        named(fixed(5, 5), L"こどもの日"),
        named(substitute(), L"振替休日"),
        named(citizens(), L"国民の休日"),
    };
}

// As the Cabinet Office would publish the days of records() in 2024.
const std::vector<std::string> AGREEING = {
    "2024/1/1,元日",  "2024/1/8,成人の日",          "2024/2/11,建国記念の日",
    "2024/2/12,休日", "2024/4/30,休日（祝日扱い）", "2024/5/3,憲法記念日",
    "2024/5/4,休日",  "2024/5/5,こどもの日",        "2024/5/6,休日",
};

std::string reportFor(const std::vector<std::string>& lines) {
    std::string bytes = HEADER + "\r\n";
    for (const std::string& line : lines) bytes += line + "\r\n";
    PublishedHolidays list = readPublishedHolidays(bytes, noCp932);
    EXPECT_EQ(list.errorLine, 0) << toUtf8(list.error);
    if (list.days.empty()) return "";
    std::vector<SpecialDay> days = records();
    HolidayCheck check = checkAgainstPublished(list.days, days);
    EXPECT_EQ(check.differences, std::count(check.report.begin(), check.report.end(), L'\n') - 1);
    return toUtf8(check.report);
}

TEST(HolidayCheck, AgreeingListHasNoDifference) {
    EXPECT_EQ(reportFor(AGREEING), "2024年から2024年まで: 一覧 9 日、違い 0 件\n");
}

TEST(HolidayCheck, EachDifferenceOnItsLine) {
    struct Case {
        const char* what;
        const char* line;                  // of AGREEING
        std::vector<std::string> instead;  // the lines put there
        std::string differences;
    };
    const Case cases[] = {
        {"a missing line", "2024/5/6,休日", {}, "2024-05-06\t一覧にない\tconfig.txt: 休日 振替休日\n"},
        {"an extra day",
         "2024/2/12,休日",
         {"2024/2/12,休日", "2024/3/20,春分の日"},
         "2024-03-20\tconfig.txt にない\t一覧: 春分の日\n"},
        {"a wrong name",
         "2024/5/3,憲法記念日",
         {"2024/5/3,憲法の日"},
         "2024-05-03\t名前が違う\t一覧: 憲法の日\tconfig.txt: 祝日 憲法記念日\n"},
        {"a day moved by a day",
         "2024/1/8,成人の日",
         {"2024/1/9,成人の日"},
         "2024-01-08\t一覧にない\tconfig.txt: 祝日 成人の日\n"
         "2024-01-09\tconfig.txt にない\t一覧: 成人の日\n"},
        {"a special day of the config is no holiday",
         "2024/2/12,休日",
         {"2024/2/12,休日", "2024/2/14,特別な日"},
         "2024-02-14\tconfig.txt にない\t一覧: 特別な日\n"},
        {"休日 is not any holiday",
         "2024/5/3,憲法記念日",
         {"2024/5/3,休日"},
         "2024-05-03\t名前が違う\t一覧: 休日\tconfig.txt: 祝日 憲法記念日\n"},
        {"休日 on a rest day", "2024/4/30,休日（祝日扱い）", {"2024/4/30,休日"}, ""},
        {"休日（祝日扱い） on a holiday", "2024/5/3,憲法記念日", {"2024/5/3,休日（祝日扱い）"}, ""},
        {"休日（祝日扱い） on no marked day",
         "2024/4/30,休日（祝日扱い）",
         {"2024/4/29,休日（祝日扱い）", "2024/4/30,休日（祝日扱い）"},
         "2024-04-29\tconfig.txt にない\t一覧: 休日（祝日扱い）\n"},
        {"the config's own names", "2024/5/6,休日", {"2024/5/6,振替休日"}, ""},
        {"a name close to the config's",
         "2024/5/4,休日",
         {"2024/5/4,国民の休日 "},
         "2024-05-04\t名前が違う\t一覧: 国民の休日 \tconfig.txt: 休日 国民の休日\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines;
        for (const std::string& line : AGREEING) {
            if (line == c.line) {
                lines.insert(lines.end(), c.instead.begin(), c.instead.end());
            } else {
                lines.push_back(line);
            }
        }
        const auto count = std::count(c.differences.begin(), c.differences.end(), '\n');
        EXPECT_EQ(reportFor(lines), c.differences + "2024年から2024年まで: 一覧 " + std::to_string(lines.size()) +
                                        " 日、違い " + std::to_string(count) + " 件\n")
            << c.what;
    }
}

}  // namespace
