// config.txt as the program reads it on Windows: CP932 through the C runtime in
// the "Japanese" locale, the open-failure texts with the full path, each line
// message, the shipped file, and our number reading against the runtime's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <cstring>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/ombrel_app.h"
#include "calendar/config_loader.h"
#include "calendar/config_text.h"
#include "calendar/month_calendar.h"
#include "calendar/utf8.h"
#include "framework/text_file.h"
#include "support/app_scope.h"

namespace {

using namespace calendar;

// The process locale as the program sets it before reading, restored afterwards.
class JapaneseLocale {
public:
    JapaneseLocale() : previous_(_wsetlocale(LC_ALL, nullptr)) { _wsetlocale(LC_ALL, L"Japanese"); }
    ~JapaneseLocale() { _wsetlocale(LC_ALL, previous_.c_str()); }

private:
    std::wstring previous_;
};

// A folder of its own under the temp folder, removed with its files.
class TempFolder {
public:
    TempFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"ombrel-calendar-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount64());
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::wstring& file : files_) DeleteFileW(file.c_str());
        RemoveDirectoryW(path_.c_str());
    }
    std::wstring write(const wchar_t* name, const std::string& bytes) {
        std::wstring file = path_ + L"\\" + name;
        HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
        files_.push_back(file);
        return file;
    }
    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
    std::vector<std::wstring> files_;
};

// Wide text as code page 932 bytes, by the system's own converter.
std::string cp932(const std::wstring& text) {
    int size = WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

struct Read {
    std::vector<EraName> eras;
    std::vector<SpecialDay> days;
    std::vector<std::wstring> messages;
    bool ok = false;
};

Read readFile(const std::wstring& path) {
    JapaneseLocale japanese;
    Read r;
    r.ok = readCalendarConfig(path, r.eras, r.days, [&](const std::wstring& m) { r.messages.push_back(m); });
    return r;
}

TEST(CalendarLoader, ReadsCp932WithCrLf) {
    TempFolder folder;
    // "祝日 x 2000 2000 日付 1 1" in raw Shift_JIS bytes, then lines made by the system's converter.
    std::string bytes = "\x8f\x6a\x93\xfa x 2000 2000 \x93\xfa\x95\x74 1 1\r\n";
    bytes += cp932(
        L"# 先頭のコメント\r\n\r\n年号 令和 ２０１９ 5 1 9999 12 31\r\n"
        L"休日 振替休日 1973 9999 特殊１\r\n特別 月末の金曜日 2000 9999 曜日 0 -1 金");
    Read r = readFile(folder.write(L"config.txt", bytes));
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_EQ(r.days.size(), 3u);
    EXPECT_EQ(r.days[0].kind, Holiday);
    EXPECT_EQ(r.days[0].rule, FixedDate);
    EXPECT_EQ(r.days[0].name, L"x");
    EXPECT_EQ(r.days[1].name, L"振替休日");
    EXPECT_EQ(r.days[1].rule, SubstituteHoliday);
    EXPECT_EQ(r.days[2].name, L"月末の金曜日");  // the last line has no line end
    EXPECT_EQ(r.days[2].weekday, 5);
    ASSERT_EQ(r.eras.size(), 1u);
    EXPECT_EQ(r.eras[0].name, L"令和");
    EXPECT_EQ(r.eras[0].firstYear, 2019);  // full-width digits
}

TEST(CalendarLoader, LinesOfAnyLength) {
    TempFolder folder;
    std::wstring longName(3000, L'祝');
    Read r = readFile(folder.write(
        L"config.txt", cp932(L"祝日 " + longName + L" 2000 2000 日付 1 1\n" + L"祝日 短い 2000 2000 日付 1 2\n")));
    ASSERT_EQ(r.days.size(), 2u);
    EXPECT_EQ(r.days[0].name, longName);
    EXPECT_EQ(r.days[1].name, L"短い");
}

struct MessageCase {
    const char* what;
    std::wstring text;
    size_t days, eras;
    std::wstring message;
};

TEST(CalendarLoader, EachLineMessage) {
    const MessageCase cases[] = {
        {"first field on line 3",
         L"祝日 元日 1949 9999 日付 1 1\r\n年号 令和 2019 5 1 9999 12 31\r\n祭日 x\r\n祝日 y 1 2 日付 1 1\r\n", 1, 1,
         L"第１フィールドが合っていません。：3 行目"},
        {"field count after blank and comment lines", L"\r\n# c\r\n  # c\r\n\u3000\r\n年号 a 1 1 1 2 2\r\n", 0, 0,
         L"フィールド数が合っていません。：5 行目"},
        {"full-width space is no separator", L"年号 令和\u30002019 5 1 9999 12 31\r\n", 0, 0,
         L"フィールド数が合っていません。：1 行目"},
        {"empty file", L"", 0, 0, L""},
    };
    for (const MessageCase& c : cases) {
        TempFolder folder;
        Read r = readFile(folder.write(L"config.txt", cp932(c.text)));
        EXPECT_EQ(r.days.size(), c.days) << c.what;
        EXPECT_EQ(r.eras.size(), c.eras) << c.what;
        EXPECT_EQ(r.ok, c.message.empty()) << c.what;
        if (c.message.empty()) {
            EXPECT_TRUE(r.messages.empty()) << c.what;
        } else {
            ASSERT_EQ(r.messages.size(), 1u) << c.what;
            EXPECT_EQ(r.messages[0], c.message) << c.what;
        }
    }
}

TEST(CalendarLoader, OpenFailuresNameTheFullPath) {
    TempFolder folder;
    const std::wstring prefix = L"読込ファイルをオープンできません。: ";
    std::wstring missing = folder.path() + L"\\config.txt";
    Read r = readFile(missing);
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], prefix + missing + L" が見つかりませんでした。");

    std::wstring noFolder = folder.path() + L"\\none\\config.txt";
    r = readFile(noFolder);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], prefix + noFolder + L" に正しくないパスが含まれています。");

    std::wstring locked = folder.write(L"locked.txt", "x");
    HANDLE hold = CreateFileW(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    r = readFile(locked);
    CloseHandle(hold);
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], prefix + locked + L" へのアクセス中に共有違反が発生しました。");
}

// The description after the prefix is cut at 255 characters, path included.
TEST(CalendarLoader, LongPathsAreCut) {
    std::wstring path = L"C:\\" + std::wstring(240, L'a') + L"\\config.txt";
    std::wstring text = fw::openFailureText(fw::OpenFailure::NotFound, path);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text, (path + L" が見つかりませんでした。").substr(0, 255));
    Read r = readFile(L"Z:\\ombrel-nowhere-" + std::wstring(230, L'b') + L"\\config.txt");
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].size(), std::wstring(L"読込ファイルをオープンできません。: ").size() + 255);
}

std::wstring buildFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

// The program's own entry: config.txt beside the executable, which in the build
// folder is the shipped one.
TEST(CalendarLoader, TheShippedFileLoadsWithoutMessage) {
    JapaneseLocale japanese;
    wintest::AppScope app;
    app.setEraNames({}).setSpecialDays({});
    std::vector<std::wstring> messages;
    loadCalendarConfig([&](const std::wstring& m) { messages.push_back(m); });
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : toUtf8(messages[0]));
    EXPECT_EQ(theApp.eraNames.size(), 5u);
    EXPECT_GT(theApp.specialDays.size(), 40u);
    EXPECT_EQ(eraYearText(2019, 5, theApp.eraNames), L"令和元年");
}

// What the runtime reads from the CP932 file is, line by line, the UTF-8 master.
TEST(CalendarLoader, TheShippedFileIsItsMaster) {
    std::string masterPath = __FILE__;
    masterPath = masterPath.substr(0, masterPath.find_last_of("/\\")) + "/../../resources/config.utf8.txt";
    std::ifstream master(masterPath, std::ios::binary);
    ASSERT_TRUE(master.good()) << masterPath;
    std::wistringstream masterLines(fromUtf8(std::string(std::istreambuf_iterator<char>(master), {})));

    JapaneseLocale japanese;
    fw::TextFile shipped;
    std::wstring failure;
    ASSERT_TRUE(shipped.open(buildFolder() + L"\\config.txt", failure)) << toUtf8(failure);
    std::wstring expected, line;
    int number = 0;
    while (std::getline(masterLines, expected)) {
        ++number;
        ASSERT_TRUE(shipped.readLine(line)) << "ends before line " << number;
        ASSERT_EQ(line, expected) << "line " << number;
    }
    EXPECT_FALSE(shipped.readLine(line)) << "longer than its master";
    EXPECT_GT(number, 100);
}

// Our portable reading must agree with the runtime the program runs on.
TEST(RuntimeAgreement, WhiteSpaceAndDigitsOfEveryCharacter) {
    for (unsigned c = 1; c <= 0xFFFF; ++c) {
        wchar_t ch = static_cast<wchar_t>(c);
        ASSERT_EQ(isWideSpace(ch), iswspace(ch) != 0) << std::hex << c;
        const wchar_t text[] = {ch, L'7', 0};
        ASSERT_EQ(readInteger(text), wcstol(text, nullptr, 10)) << std::hex << c;
    }
}

TEST(RuntimeAgreement, IntegersAsWcstol) {
    const wchar_t* inputs[] = {L"12",
                               L"１２日",
                               L"-1",
                               L"+7",
                               L"\u3000\u3000 12",
                               L"2147483647",
                               L"2147483648",
                               L"-2147483648",
                               L"-2147483649",
                               L"99999999999999999999",
                               L"+-1",
                               L"- 1",
                               L"0x10",
                               L"",
                               L"日",
                               L"\u0663\u0660",
                               L"-０",
                               L"\t\n\v\f\r 5",
                               L"1 2",
                               L"00000000000000000000000042"};
    for (const wchar_t* text : inputs) {
        EXPECT_EQ(readInteger(text), wcstol(text, nullptr, 10)) << toUtf8(text);
    }
}

// The inputs that matter for reals: decimals with a point, signs, exponents and
// what may follow them. (The runtime's own readings of "inf", "nan" or hex go
// beyond the format and are left out.)
TEST(RuntimeAgreement, RealsAsWcstod) {
    const wchar_t* inputs[] = {L"20.8431",
                               L"0.242194",
                               L"23.2488",
                               L"21.7",
                               L"24.23",
                               L"-.5e-3x",
                               L"1e5",
                               L"1.5e",
                               L"1.5e+",
                               L"1.5E-1",
                               L"5.",
                               L".",
                               L"",
                               L"abc",
                               L"+2.5",
                               L"-0",
                               L"1e400",
                               L"1e-400",
                               L"12日",
                               L"1d5",
                               L"0.1",
                               L"123456789012345678901234567890",
                               L"2.2250738585072014e-308",
                               L"4.9e-324",
                               L"1.7976931348623157e308",
                               L"0.30000000000000004",
                               L"9007199254740993"};
    for (const wchar_t* text : inputs) {
        double ours = readReal(text);
        double theirs = wcstod(text, nullptr);
        EXPECT_EQ(std::memcmp(&ours, &theirs, sizeof ours), 0) << toUtf8(text) << ": " << ours << " vs " << theirs;
    }
}

}  // namespace
