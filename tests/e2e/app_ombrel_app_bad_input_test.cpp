// Whatever the registry, config.txt or the browser's year field holds, the gadget
// starts, keeps running, says what the fixed messages say, and ends cleanly.
#include <gtest/gtest.h>

#include <random>

#include "support/config_text.h"
#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

struct BadInput {
    const char* what;
    std::vector<std::pair<const wchar_t*, DWORD>> settings;
    std::string config;        // empty: the shipped config.txt
    std::wstring message;      // the message box that must show first, if any
    std::wstring browserYear;  // a year put into the calendar browser's field, if any
};

void PrintTo(const BadInput& c, std::ostream* out) { *out << c.what; }

// A first line that is surely not a keyword, then 64 KiB of noise.
std::string randomBytes() {
    std::mt19937 generator(20261210);
    std::string bytes = "Zz noise\r\n";
    for (int i = 0; i < 64 * 1024; ++i) bytes += static_cast<char>(generator() & 0xFF);
    return bytes;
}

std::string manyLines() {
    std::string line = cp932(L"祝日 試験日 2000 2100 日付 0 15\r\n");
    std::string text;
    text.reserve(line.size() * 100000);
    for (int i = 0; i < 100000; ++i) text += line;
    return text;
}

std::string megabyteLine() {
    std::string text = cp932(L"# 1 行目はコメント\r\n");
    text += std::string(1 << 20, 'x');
    text += "\r\n";
    return text;
}

const std::wstring firstFieldOnLine(int line) {
    return L"第１フィールドが合っていません。：" + std::to_wstring(line) + L" 行目";
}

std::vector<BadInput> cases() {
    const DWORD minInt = 0x80000000u, maxInt = 0x7fffffffu;
    return {
        {"Size0", {{L"Size", 0}}, "", L"", L""},
        {"SizeMinus1", {{L"Size", static_cast<DWORD>(-1)}}, "", L"", L""},
        {"Size100000", {{L"Size", 100000}}, "", L"", L""},
        {"ColorSelectMinus1", {{L"ColorSelect", static_cast<DWORD>(-1)}}, "", L"", L""},
        {"ColorSelect7", {{L"ColorSelect", 7}, {L"Shadow", 1}}, "", L"", L""},
        {"PositionMin", {{L"MainLeft", minInt}, {L"MainTop", minInt}}, "", L"", L""},
        {"PositionMax", {{L"MainLeft", maxInt - 1}, {L"MainTop", maxInt - 1}}, "", L"", L""},
        {"RandomConfig", {}, randomBytes(), firstFieldOnLine(1), L""},
        {"HundredThousandLines", {}, manyLines(), L"", L""},
        {"MegabyteLine", {}, megabyteLine(), firstFieldOnLine(2), L""},
        // Typing stops at four digits; these come from stepping, or from a program.
        {"BrowserYearMinus100000", {}, "", L"", L"-100000"},
        {"BrowserYear100000", {}, "", L"", L"100000"},
    };
}

class BadInputCase : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputCase, StartsKeepsRunningAndEndsCleanly) {
    const BadInput& c = GetParam();
    GadgetProcess gadget;
    for (auto [name, value] : c.settings) gadget.setSetting(name, value);
    if (!c.config.empty()) gadget.writeConfig(c.config);
    ASSERT_TRUE(gadget.launch());
    if (!c.message.empty()) {
        MessageBoxSeen box = waitForMessageBox(gadget.processId(), 15000);
        ASSERT_NE(box.window, nullptr) << "no message for " << c.what;
        EXPECT_EQ(box.text, c.message);
        answerMessageBox(box);
    }
    ASSERT_TRUE(gadget.waitForGadget()) << c.what;
    if (!c.browserYear.empty()) {
        RECT g = gadget.windowRect();
        mouse::doubleClick(g.left + 60, g.top + 200);
        HWND browser = nullptr;
        ASSERT_TRUE(
            waitUntil([&] { return (browser = otherWindow(gadget.processId(), gadget.window())) != nullptr; }, 3000));
        HWND field = FindWindowExW(browser, nullptr, L"Edit", nullptr);
        ASSERT_NE(field, nullptr);
        RECT f{};
        GetWindowRect(field, &f);
        mouse::click((f.left + f.right) / 2, (f.top + f.bottom) / 2);
        RECT b{};
        GetWindowRect(browser, &b);
        RECT months{b.left + 10, b.top + 50, b.right - 10, b.bottom - 10};
        ScreenShot before(months);
        SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.browserYear.c_str()), SMTO_ABORTIFHUNG,
                            2000, nullptr);
        keyboard::press(VK_END);
        keyboard::press(VK_RETURN);
        // The twelve months of that year are drawn, and hovered.
        EXPECT_TRUE(waitUntil([&] { return ScreenShot(months).differences(before) > 0; }, 3000)) << c.what;
        for (int i = 0; i < 10; ++i) mouse::moveTo(b.left + 40 * i, b.top + 80 + 45 * i);
        EXPECT_TRUE(IsWindow(browser)) << c.what;
        keyboard::press(VK_ESCAPE);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(browser); }, 3000)) << c.what;
    }
    // Two ticks of the meters and their repaints.
    Sleep(2200);
    EXPECT_TRUE(gadget.running()) << c.what;
    gadget.endSession();
    EXPECT_TRUE(gadget.waitForExit(5000)) << c.what;
    EXPECT_EQ(gadget.exitCode(), 0u) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, BadInputCase, testing::ValuesIn(cases()),
                         [](const testing::TestParamInfo<BadInput>& info) { return info.param.what; });

}  // namespace
}  // namespace e2e
