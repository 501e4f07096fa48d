// The calendar browser, driven like a user: opening it from the gadget, typing
// and stepping years, the hover labels, dragging and closing.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "support/config_text.h"
#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

// The eras and the holiday that these tests look at.
const std::wstring browserConfig =
    L"年号 平成 1989 1 8 2019 4 30\r\n"
    L"年号 令和 2019 5 1 9999 12 31\r\n"
    L"休日 即位の日 2019 2019 日付 5 1\r\n";

int red(uint32_t p) { return (p >> 16) & 0xFF; }
int green(uint32_t p) { return (p >> 8) & 0xFF; }
int blue(uint32_t p) { return p & 0xFF; }

class Browser : public testing::Test {
protected:
    void SetUp() override {
        mouse::moveTo(10, workArea().bottom - 10);
        gadget_.writeConfig(cp932(browserConfig));
        gadget_.setSetting(L"MainLeft", 1000);
        gadget_.setSetting(L"MainTop", 100);
        ASSERT_TRUE(gadget_.start());
        RECT g = gadget_.windowRect();
        mouse::doubleClick(g.left + 60, g.top + 200);
        ASSERT_TRUE(waitUntil(
            [&] { return (browser_ = otherWindow(gadget_.processId(), gadget_.window())) != nullptr; }, 3000));
        field_ = FindWindowExW(browser_, nullptr, L"Edit", nullptr);
        ASSERT_NE(field_, nullptr);
        GetWindowRect(browser_, &b_);
        Sleep(300);
    }
    POINT at(int x, int y) const { return {b_.left + x, b_.top + y}; }
    void moveTo(int x, int y) const { mouse::moveTo(b_.left + x, b_.top + y); }
    void click(int x, int y) const { mouse::click(b_.left + x, b_.top + y); }
    std::wstring fieldText() const {
        // GetWindowText does not read a control of another process; the message does.
        wchar_t text[32] = {};
        SendMessageTimeoutW(field_, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
        return text;
    }
    // Types into the year field in place of what it holds, then Enter.
    void enterYear(const char* digits) {
        click(212, 25);
        keyboard::press(VK_END);
        for (int i = 0; i < 8; ++i) keyboard::press(VK_BACK);
        for (const char* c = digits; *c; ++c) keyboard::press(static_cast<WORD>(*c));
        keyboard::press(VK_RETURN);
        Sleep(300);
    }
    // The length of the run of silver pixels on row y between x0 and x1, in client coordinates.
    int silverRun(int y, int x0, int x1) const {
        ScreenShot shot(RECT{b_.left + x0, b_.top + y, b_.left + x1, b_.top + y + 1});
        int best = 0, run = 0;
        for (int x = x0; x < x1; ++x) {
            run = shot.pixel(b_.left + x, b_.top + y) == 0xC0C0C0 ? run + 1 : 0;
            best = std::max(best, run);
        }
        return best;
    }
    // Pixels in a client rectangle for which `test` holds.
    template <class Test>
    int count(RECT r, Test test) const {
        RECT screen{b_.left + r.left, b_.top + r.top, b_.left + r.right, b_.top + r.bottom};
        ScreenShot shot(screen);
        int n = 0;
        for (LONG y = screen.top; y < screen.bottom; ++y)
            for (LONG x = screen.left; x < screen.right; ++x) n += test(shot.pixel(x, y));
        return n;
    }
    bool closed() const {
        return waitUntil([&] { return !IsWindow(browser_); }, 3000);
    }

    GadgetProcess gadget_;
    HWND browser_ = nullptr, field_ = nullptr;
    RECT b_{};
};

TEST_F(Browser, OpensLeftOfTheGadgetAtTheCurrentYear) {
    RECT g = gadget_.windowRect();
    EXPECT_EQ(b_.right, g.left);
    EXPECT_EQ(b_.top, g.top);
    EXPECT_EQ(b_.right - b_.left, 433);
    EXPECT_EQ(b_.bottom - b_.top, 558);
    // The field shows over the browser's image: its panel-coloured face with light digits.
    EXPECT_GT(count(RECT{189, 16, 235, 34}, [](uint32_t p) { return p == 0x000000; }), 300);
    EXPECT_GT(count(RECT{189, 16, 235, 34}, [](uint32_t p) { return blue(p) > 0x90; }), 5);
    std::time_t now = std::time(nullptr);
    EXPECT_EQ(fieldText(), std::to_wstring(std::localtime(&now)->tm_year + 1900));
}

TEST_F(Browser, TypedYearShowsItsHolidaysAndEras) {
    enterYear("2019");
    EXPECT_EQ(fieldText(), L"2019");
    // 1 May 2019, a Wednesday: the first week of May's block (origin 153, 179), cell (204, 209).
    RECT mayFirst{205, 209, 221, 224};
    EXPECT_GT(count(mayFirst, [](uint32_t p) { return red(p) > green(p) + 0x40 && red(p) > blue(p) + 0x40; }), 0);

    // Its name above it: "即位の日", 12 x 4 + 5 = 53 wide.
    moveTo(214, 216);
    EXPECT_TRUE(waitUntil([&] { return silverRun(207, 190, 280) == 53; }, 2000)) << silverRun(207, 190, 280);

    // May's title: "令和元年", 53 wide, 30 under the title's top; April's: "平成31年", 65 wide.
    moveTo(212, 186);
    EXPECT_TRUE(waitUntil([&] { return silverRun(222, 160, 280) == 53; }, 2000)) << silverRun(222, 160, 280);
    moveTo(76, 186);
    EXPECT_TRUE(waitUntil([&] { return silverRun(222, 20, 150) == 65; }, 2000)) << silverRun(222, 20, 150);
    EXPECT_EQ(silverRun(222, 160, 280), 0);
}

TEST_F(Browser, MarksStepTheYearWithoutBound) {
    enterYear("9999");
    click(272, 24);
    EXPECT_TRUE(waitUntil([&] { return fieldText() == L"10000"; }, 2000)) << fieldText().size();
    enterYear("0");
    click(152, 24);
    EXPECT_TRUE(waitUntil([&] { return fieldText() == L"-1"; }, 2000));
    click(152, 24);
    EXPECT_TRUE(waitUntil([&] { return fieldText() == L"-2"; }, 2000));
}

TEST_F(Browser, AnEmptyFieldGivesTheYearZero) {
    enterYear("");
    EXPECT_EQ(fieldText(), L"");
    EXPECT_TRUE(IsWindow(browser_));
    EXPECT_TRUE(gadget_.running());
    // 1 January of the year 0 was a Saturday: January's first week holds only its last cell.
    auto inked = [](uint32_t p) { return p != 0x000000; };
    EXPECT_EQ(count(RECT{18, 89, 119, 104}, inked), 0);
    EXPECT_GT(count(RECT{120, 89, 136, 104}, inked), 0);
}

TEST_F(Browser, DraggingByTheTopBandStaysInTheWorkArea) {
    RECT work = workArea();
    mouse::drag(at(60, 20), POINT{work.left + 10, b_.top + 40});
    RECT after{};
    GetWindowRect(browser_, &after);
    EXPECT_EQ(after.left, work.left);
    EXPECT_EQ(after.top, b_.top + 20);
    EXPECT_EQ(after.right - after.left, 433);
}

TEST_F(Browser, OnlyAReleaseOnTheCloseMarkClosesIt) {
    mouse::moveTo(at(413, 24).x, at(413, 24).y);
    mouse::leftDown();
    mouse::moveTo(at(300, 300).x, at(300, 300).y);
    mouse::leftUp();
    Sleep(300);
    EXPECT_TRUE(IsWindow(browser_));
    mouse::leftDown();
    mouse::moveTo(at(413, 24).x, at(413, 24).y);
    mouse::leftUp();
    EXPECT_TRUE(closed());
    EXPECT_TRUE(gadget_.running());
}

TEST_F(Browser, EscapeClosesIt) {
    keyboard::press(VK_ESCAPE);
    EXPECT_TRUE(closed());
}

TEST_F(Browser, TheGadgetKeepsTickingBehindIt) {
    RECT g = gadget_.windowRect();
    RECT clock{g.left + 6, g.top + 6, g.left + 130, g.top + 130};
    ScreenShot before(clock);
    EXPECT_TRUE(waitUntil([&] { return ScreenShot(clock).differences(before) > 0; }, 3000));
    EXPECT_TRUE(IsWindow(browser_));
}

}  // namespace
}  // namespace e2e
