// Reading config.txt's lines: white space, numbers as the Windows runtime reads
// them, field counts, record fields and widths, and the messages with line numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/case_name.h"
#include "calendar/config_reader.h"
#include "calendar/config_text.h"

namespace {

using namespace calendar;

struct IntegerCase {
    const wchar_t* text;
    int32_t value;
};

TEST(ReadInteger, AsTheWindowsRuntimeWcstol) {
    const IntegerCase cases[] = {
        {L"12", 12},
        {L"１２", 12},  // full-width digits
        {L"12日", 12},  // stops at the first other character
        {L"日", 0},
        {L"", 0},
        {L"-1", -1},
        {L"+7", 7},
        {L"\u3000 12", 12},  // leading ideographic space is white space
        {L"\u00a012", 12},
        {L"\u0085"
         L"12",
         0},  // not white space for the runtime
        {L"2147483647", 2147483647},
        {L"2147483648", std::numeric_limits<int32_t>::max()},
        {L"-2147483648", std::numeric_limits<int32_t>::min()},
        {L"-2147483649", std::numeric_limits<int32_t>::min()},
        {L"99999999999999999999999", std::numeric_limits<int32_t>::max()},
        {L"\u0663\u0660", 30},  // Arabic-Indic digits
        {L"\u0e52\u0e55", 25},  // Thai digits
        {L"1\uff15", 15},       // scripts may mix
        {L"\u00b2", 0},         // a superscript is no decimal digit
        {L"+-1", 0},
        {L"- 1", 0},
        {L"0x10", 0},
        {L"007", 7},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(readInteger(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
}

struct RealCase {
    const wchar_t* text;
    double value;
};

TEST(ReadReal, AsTheWindowsRuntimeWcstod) {
    const double inf = std::numeric_limits<double>::infinity();
    const RealCase cases[] = {
        {L"20.8431", 20.8431}, {L"0.242194", 0.242194}, {L"-.5e-3x", -0.0005}, {L"1e5", 1e5},   {L"1.5e", 1.5},
        {L"1.5e+", 1.5},       {L"1.5E-1", 0.15},       {L"5.", 5.0},          {L".", 0.0},     {L"", 0.0},
        {L"abc", 0.0},         {L"+2.5", 2.5},          {L"\u3000 2.5", 2.5},  {L"1e400", inf}, {L"-1e400", -inf},
        {L"1e-400", 0.0},      {L"0.000001e-320", 0.0}, {L"12日", 12.0},       {L"１２", 0.0},  {L"1d5", 1.0},
    };
    for (const RealCase& c : cases)
        EXPECT_EQ(readReal(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
}

TEST(IsWideSpace, TheRuntimeClass) {
    for (wchar_t c : {L' ', L'\t', L'\n', L'\r', L'\v', L'\f', L'\u00a0', L'\u1680', L'\u2000', L'\u200a', L'\u2028',
                      L'\u2029', L'\u202f', L'\u205f', L'\u3000'})
        EXPECT_TRUE(isWideSpace(c)) << static_cast<int>(c);
    for (wchar_t c : {L'a', L'\u0085', L'\u180e', L'\u200b', L'\ufeff', L'\uff10', L'#', L'\0'})
        EXPECT_FALSE(isWideSpace(c)) << static_cast<int>(c);
}

struct SplitCase {
    const wchar_t* line;
    std::vector<std::wstring> fields;
};

TEST(SplitConfigLine, PreparesAndSplits) {
    const SplitCase cases[] = {
        {L"", {}},
        {L"   \t ", {}},
        {L"# only a comment", {}},
        {L"  # after spaces", {}},
        {L"\u3000\u3000", {}},
        {L"a b\tc  \t d", {L"a", L"b", L"c", L"d"}},
        {L"a b # c d", {L"a", L"b"}},
        {L"a#b", {L"a"}},
        {L"\u3000a b\u3000", {L"a", L"b"}},    // trimmed at the ends only
        {L"a\u3000b c", {L"a\u3000b", L"c"}},  // inside, a full-width space is no separator
        {L"a \u3000 b", {L"a", L"\u3000", L"b"}},
        {L"a\r", {L"a"}},
        {L"a\u00a0\u00a0", {L"a"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(splitConfigLine(c.line), c.fields) << testing::PrintToString(std::wstring(c.line));
}

// A file's lines through the reader, stopping at the first bad one as the loader does.
struct Loaded {
    std::vector<EraName> eras;
    std::vector<SpecialDay> days;
    std::wstring message;
    size_t linesRead = 0;
};

Loaded load(const std::vector<std::wstring>& lines) {
    Loaded result;
    ConfigReader reader(result.eras, result.days);
    for (const std::wstring& line : lines) {
        ++result.linesRead;
        if (!reader.readLine(line)) {
            result.message = reader.message();
            break;
        }
    }
    return result;
}

std::wstring fieldCount(int line) { return L"フィールド数が合っていません。：" + std::to_wstring(line) + L" 行目"; }
std::wstring firstField(int line) { return L"第１フィールドが合っていません。：" + std::to_wstring(line) + L" 行目"; }

const std::wstring ERA = L"年号 令和 2019 5 1 9999 12 31";
const std::wstring RULE = L"祝日 元日 1949 9999 日付 1 1";

struct FileCase {
    const char* what;
    std::vector<std::wstring> lines;
    size_t eras, days;
    std::wstring message;
    size_t linesRead;
};

void PrintTo(const FileCase& c, std::ostream* os) { *os << c.what; }

class ConfigFile : public testing::TestWithParam<FileCase> {};

TEST_P(ConfigFile, LoadsUntilTheFirstBadLine) {
    const FileCase& c = GetParam();
    Loaded loaded = load(c.lines);
    EXPECT_EQ(loaded.eras.size(), c.eras) << c.what;
    EXPECT_EQ(loaded.days.size(), c.days) << c.what;
    EXPECT_EQ(loaded.message, c.message) << c.what;
    EXPECT_EQ(loaded.linesRead, c.linesRead) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigFile,
    testing::Values(
        FileCase{"empty file", {}, 0, 0, L"", 0},
        FileCase{"blank and comment lines", {L"", L"# x", L"  ", L"\u3000# y"}, 0, 0, L"", 4},
        FileCase{"rule with a comment", {RULE + L" # 元日"}, 0, 1, L"", 1},
        FileCase{"comment line counts", {L"  # note", L"年号 x"}, 0, 0, fieldCount(2), 2},
        FileCase{"era joined by a full-width space", {L"年号 令和\u30002019 5 1 9999 12 31"}, 0, 0, fieldCount(1), 1},
        FileCase{"rule joined by a full-width space", {L"祝日\u3000元日 1949 9999 日付 1 1"}, 0, 0, firstField(1), 1},
        FileCase{"7-field era on line 5", {ERA, RULE, L"", ERA, L"年号 a 1 1 1 2 2", RULE}, 2, 1, fieldCount(5), 5},
        FileCase{"unknown first field on line 3", {RULE, ERA, L"祭日 x 1 2 日付 1 1", RULE}, 1, 1, firstField(3), 3},
        FileCase{"a keyword must be the whole field", {L"祝日日 x 1 2 日付 1 1"}, 0, 0, firstField(1), 1},
        FileCase{"date with 8 fields", {L"祝日 x 1 2 日付 1 1 1"}, 0, 0, fieldCount(1), 1},
        FileCase{"weekday with 7 fields", {L"祝日 x 1 2 曜日 1 1"}, 0, 0, fieldCount(1), 1},
        FileCase{"computed with 7 fields", {L"祝日 x 1 2 計算 3 20.5"}, 0, 0, fieldCount(1), 1},
        FileCase{"substitute with 6 fields", {L"休日 x 1 2 特殊１ 0"}, 0, 0, fieldCount(1), 1},
        FileCase{"citizens with 6 fields", {L"休日 x 1 2 特殊２ 0"}, 0, 0, fieldCount(1), 1},
        FileCase{"ASCII digit in a rule keyword", {L"休日 x 1 2 特殊1"}, 0, 1, L"", 1},
        FileCase{"rule line with 4 fields", {L"特別 x 1 2"}, 0, 0, fieldCount(1), 1},
        FileCase{"era with 9 fields", {ERA + L" 1"}, 0, 0, fieldCount(1), 1},
        FileCase{"unknown rule keyword", {L"特別 x 1 2 毎日 1 1 1 1 1"}, 0, 1, L"", 1}),
    testing_names::ByWhat());

TEST(ConfigReader, RuleFieldsAndWidths) {
    Loaded loaded = load({
        L"祝日 体育 2000 9999 曜日 10 2 月",
        L"特別 金曜 2000 9999 曜日 0 -1 金",
        L"祝日 秋分 2000 2099 計算 9 23.2488 0.242194",
        L"休日 振替 1973 9999 特殊１",
        L"休日 国民 1988 9999 特殊２",
        L"祝日 広い 70000 -1 日付 300 -1",
        L"祝日 全角 ２０２４ ２０２４ 日付 12日 x",
        L"祝日 曜日なし 2000 2000 曜日 1 1 月曜",
        L"特別 不明 1 2 毎日",
    });
    ASSERT_EQ(loaded.message, L"");
    ASSERT_EQ(loaded.days.size(), 9u);
    struct Expected {
        uint16_t firstYear, lastYear;
        uint8_t kind, rule;
        int8_t month, day, weekday;
        double base, drift;
    };
    const Expected expected[] = {
        {2000, 9999, Holiday, NthWeekday, 10, 2, 1, 0, 0},
        {2000, 9999, Special, NthWeekday, 0, -1, 5, 0, 0},
        {2000, 2099, Holiday, Computed, 9, 0, 0, 23.2488, 0.242194},
        {1973, 9999, RestDay, SubstituteHoliday, 0, 0, 0, 0, 0},
        {1988, 9999, RestDay, CitizensHoliday, 0, 0, 0, 0, 0},
        {70000 & 0xFFFF, 0xFFFF, Holiday, FixedDate, 300 - 256, -1, 0, 0, 0},  // low bits kept
        {2024, 2024, Holiday, FixedDate, 12, 0, 0, 0, 0},
        {2000, 2000, Holiday, NthWeekday, 1, 1, -1, 0, 0},  // no weekday letter: marks no day
        {1, 2, Special, 0xFF, 0, 0, 0, 0, 0},               // no rule keyword: marks no day
    };
    for (size_t i = 0; i < loaded.days.size(); ++i) {
        const SpecialDay& d = loaded.days[i];
        const Expected& e = expected[i];
        EXPECT_EQ(d.firstYear, e.firstYear) << i;
        EXPECT_EQ(d.lastYear, e.lastYear) << i;
        EXPECT_EQ(d.kind, e.kind) << i;
        EXPECT_EQ(d.rule, e.rule) << i;
        EXPECT_EQ(d.month, e.month) << i;
        EXPECT_EQ(d.day, e.day) << i;
        EXPECT_EQ(d.weekday, e.weekday) << i;
        EXPECT_EQ(d.base, e.base) << i;
        EXPECT_EQ(d.drift, e.drift) << i;
    }
    EXPECT_EQ(loaded.days[0].name, L"体育");
}

TEST(ConfigReader, WeekdayLetters) {
    const wchar_t* letters[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};
    for (int i = 0; i < 7; ++i) {
        Loaded loaded = load({std::wstring(L"祝日 x 1 2 曜日 1 1 ") + letters[i]});
        ASSERT_EQ(loaded.days.size(), 1u);
        EXPECT_EQ(loaded.days[0].weekday, i);
    }
}

TEST(ConfigReader, EraFieldsInTheRecordsOrder) {
    Loaded loaded = load({L"年号 平成 1989 1 8 2019 4 30", L"年号 先 -1 13 300 70000 0 0"});
    ASSERT_EQ(loaded.eras.size(), 2u);
    const EraName& e = loaded.eras[0];
    EXPECT_EQ(e.name, L"平成");
    EXPECT_EQ(e.firstYear, 1989);
    EXPECT_EQ(e.firstMonth, 1);
    EXPECT_EQ(e.firstDay, 8);
    EXPECT_EQ(e.lastYear, 2019);
    EXPECT_EQ(e.lastMonth, 4);
    EXPECT_EQ(e.lastDay, 30);
    EXPECT_EQ(loaded.eras[1].firstYear, 0xFFFF);
    EXPECT_EQ(loaded.eras[1].firstMonth, 13);
    EXPECT_EQ(loaded.eras[1].firstDay, 300 - 256);
    EXPECT_EQ(loaded.eras[1].lastYear, 70000 & 0xFFFF);
}

TEST(ConfigPathBeside, TheExecutablesFolder) {
    EXPECT_EQ(configPathBeside(L"C:\\Program Files\\Ombrel\\ombrel.exe"), L"C:\\Program Files\\Ombrel\\config.txt");
    EXPECT_EQ(configPathBeside(L"C:\\ombrel.exe"), L"C:\\config.txt");
    EXPECT_EQ(configPathBeside(L"ombrel.exe"), L"\\config.txt");
    EXPECT_EQ(configPathBeside(L"D:/a/b.exe"), L"\\config.txt");  // only the backslash separates
}

}  // namespace
