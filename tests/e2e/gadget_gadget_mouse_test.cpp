// Every gesture of the gadget, made with the real mouse on the real window.
#include <gtest/gtest.h>

#include <ctime>

#include "support/config_text.h"
#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

// A point of the gadget given in 96-dpi, 100 % units, on the screen.
struct Gadget {
    RECT r;
    float scale;
    POINT at(float x, float y) const {
        return {r.left + static_cast<LONG>(x * scale), r.top + static_cast<LONG>(y * scale)};
    }
    uint32_t pixel(float x, float y) const {
        POINT p = at(x, y);
        return screenPixel(p.x, p.y);
    }
};

void moveTo(POINT p) { mouse::moveTo(p.x, p.y); }

// Away from every window of the gadget.
void moveAway() { mouse::moveTo(10, workArea().bottom - 10); }

// The calendar panel as it is on the screen.
ScreenShot calendarPanel(const Gadget& g) {
    POINT topLeft = g.at(6, 132), bottomRight = g.at(130, 256);
    return ScreenShot(RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y});
}

class GadgetMouse : public testing::Test {
protected:
    void SetUp() override {
        moveAway();
        gadget_.setSetting(L"MainLeft", 700);
        gadget_.setSetting(L"MainTop", 100);
        ASSERT_TRUE(gadget_.start());
        g_ = {gadget_.windowRect(), 1.0f};
    }
    // The month panel settles after the hover repaints.
    void settle() {
        moveTo(g_.at(3, 300));
        Sleep(250);
    }
    GadgetProcess gadget_;
    Gadget g_{};
};

TEST_F(GadgetMouse, BoxesShowWhileTheCursorIsOverTheWindowAndBrightenOnHover) {
    // Away: no close or move box, the month arrows in their normal colours.
    EXPECT_NE(g_.pixel(112, 11), 0xB00000u);
    EXPECT_NE(g_.pixel(10, 11), 0x505050u);
    EXPECT_EQ(g_.pixel(10, 136), 0x202020u);
    EXPECT_EQ(g_.pixel(117, 136), 0x202020u);

    moveTo(g_.at(60, 140));
    EXPECT_TRUE(waitUntil([&] { return g_.pixel(112, 11) == 0xB00000u; }, 2000));
    EXPECT_EQ(g_.pixel(10, 11), 0x505050u);

    struct Hover {
        float x, y;    // where the cursor goes
        float px, py;  // a pixel of the box's fill
        uint32_t bright;
    } hovers[] = {{112, 20, 112, 11, 0xFF0000},
                  {10, 21, 10, 11, 0x707070},
                  {10, 145, 10, 136, 0x404040},
                  {126, 145, 117, 136, 0x404040}};
    for (const Hover& h : hovers) {
        moveTo(g_.at(h.x, h.y));
        EXPECT_TRUE(waitUntil([&] { return g_.pixel(h.px, h.py) == h.bright; }, 2000)) << h.x << "," << h.y;
    }

    moveAway();
    EXPECT_TRUE(waitUntil([&] { return g_.pixel(112, 11) != 0xB00000u && g_.pixel(112, 11) != 0xFF0000u; }, 3000));
    EXPECT_NE(g_.pixel(10, 11), 0x505050u);
    EXPECT_NE(g_.pixel(10, 11), 0x707070u);
    // The arrows stay.
    EXPECT_EQ(g_.pixel(10, 136), 0x202020u);
}

TEST_F(GadgetMouse, ADragMovesTheWindowInsideTheWorkAreaAndStoresWhereItStops) {
    POINT grip = g_.at(11, 21);
    mouse::drag(grip, {grip.x - 200, grip.y + 150});
    RECT moved{};
    EXPECT_TRUE(waitUntil([&] {
        moved = gadget_.windowRect();
        return moved.left == g_.r.left - 200 && moved.top == g_.r.top + 150;
    })) << moved.left
        << "," << moved.top;
    // The release writes both values.
    EXPECT_TRUE(waitUntil([&] { return gadget_.setting(L"MainTop") == static_cast<DWORD>(moved.top); }));
    EXPECT_EQ(static_cast<LONG>(*gadget_.setting(L"MainLeft")), moved.left);

    // Past the right edge it stops there, the cursor sliding over it.
    grip = {moved.left + 11, moved.top + 21};
    mouse::drag(grip, {grip.x + 3000, grip.y});
    RECT stopped{};
    EXPECT_TRUE(waitUntil([&] { return (stopped = gadget_.windowRect()).right == workArea().right; }));
    EXPECT_TRUE(waitUntil([&] { return gadget_.setting(L"MainLeft") == static_cast<DWORD>(stopped.left); }));
}

TEST_F(GadgetMouse, APressOutsideTheMoveBoxDoesNotDrag) {
    POINT from = g_.at(60, 60);
    mouse::drag(from, {from.x - 200, from.y + 100});
    RECT r = gadget_.windowRect();
    EXPECT_EQ(r.left, g_.r.left);
    EXPECT_EQ(r.top, g_.r.top);
    EXPECT_FALSE(gadget_.setting(L"MainTop").has_value() && *gadget_.setting(L"MainTop") != 100u);
}

TEST_F(GadgetMouse, ReleasingOnTheCloseBoxEndsTheProgramWhereverThePressWas) {
    moveTo(g_.at(60, 60));
    mouse::leftDown();
    moveTo(g_.at(116, 16));
    Sleep(30);
    mouse::leftUp();
    EXPECT_TRUE(gadget_.waitForExit(3000));
}

TEST_F(GadgetMouse, MonthArrowsStepAndTheTitleReturnsToToday) {
    settle();
    ScreenShot today = calendarPanel(g_);

    mouse::click(g_.at(121, 140).x, g_.at(121, 140).y);
    settle();
    ScreenShot next = calendarPanel(g_);
    EXPECT_GT(next.differences(today), 0) << "the next month looks like this one";

    for (int i = 0; i < 11; ++i) mouse::click(g_.at(121, 140).x, g_.at(121, 140).y);
    for (int i = 0; i < 12; ++i) mouse::click(g_.at(14, 140).x, g_.at(14, 140).y);
    settle();
    EXPECT_EQ(calendarPanel(g_).differences(today), 0) << "twelve steps each way came back elsewhere";

    // A double click on an arrow is two steps; the title brings back today.
    POINT nextArrow = g_.at(121, 140);
    mouse::doubleClick(nextArrow.x, nextArrow.y);
    settle();
    ScreenShot twoAhead = calendarPanel(g_);
    mouse::click(g_.at(68, 142).x, g_.at(68, 142).y);
    settle();
    EXPECT_EQ(calendarPanel(g_).differences(today), 0);
    mouse::click(nextArrow.x, nextArrow.y);
    mouse::click(nextArrow.x, nextArrow.y);
    settle();
    EXPECT_EQ(calendarPanel(g_).differences(twoAhead), 0);
}

TEST_F(GadgetMouse, DoubleClicksOpenTheirWindowsByRegion) {
    DWORD pid = gadget_.processId();
    HWND gadgetWindow = gadget_.window();

    // Between the bands, beside the previous-month arrow: nothing.
    mouse::doubleClick(g_.at(3, 140).x, g_.at(3, 140).y);
    Sleep(500);
    EXPECT_EQ(countTopLevelWindows(pid, gadgetWindow), 0);

    // On the clock: the About box.
    mouse::doubleClick(g_.at(60, 60).x, g_.at(60, 60).y);
    EXPECT_TRUE(waitUntil([&] { return countTopLevelWindows(pid, gadgetWindow) == 1; }, 3000));
    keyboard::press(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return countTopLevelWindows(pid, gadgetWindow) == 0; }, 3000));

    // On the month grid: the calendar browser, 433 x 558, left of the gadget.
    mouse::doubleClick(g_.at(60, 200).x, g_.at(60, 200).y);
    HWND browser = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (browser = otherWindow(pid, gadgetWindow)) != nullptr; }, 3000));
    RECT b{};
    GetWindowRect(browser, &b);
    EXPECT_EQ(b.right - b.left, 433);
    EXPECT_EQ(b.bottom - b.top, 558);
    EXPECT_EQ(b.right, g_.r.left);
    EXPECT_EQ(b.top, g_.r.top);
    keyboard::press(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return countTopLevelWindows(pid, gadgetWindow) == 0; }, 3000));

    // On the meters: the system's Task Manager.
    mouse::doubleClick(g_.at(30, 300).x, g_.at(30, 300).y);
    HWND taskManager = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (taskManager = FindWindowW(nullptr, L"Task Manager")) != nullptr; }, 5000));
    if (taskManager) {
        DWORD owner = 0;
        GetWindowThreadProcessId(taskManager, &owner);
        EXPECT_NE(owner, pid);
        PostMessageW(taskManager, WM_CLOSE, 0, 0);
    }
}

// A taskmgr.exe in the gadget's folder, which is also its current folder, must
// not be what the meters start.
TEST_F(GadgetMouse, TheMetersStartTheSystemsTaskManagerNotOneBesideTheGadget) {
    std::wstring planted = gadget_.folder() + L"\\taskmgr.exe";
    std::wstring marker = gadget_.folder() + L"\\stand-in-ran.txt";
    ASSERT_TRUE(CopyFileW((buildFolder() + L"\\ombrel-stand-in-taskmgr.exe").c_str(), planted.c_str(), FALSE));

    mouse::doubleClick(g_.at(30, 300).x, g_.at(30, 300).y);
    HWND taskManager = nullptr;
    EXPECT_TRUE(waitUntil([&] { return (taskManager = FindWindowW(nullptr, L"Task Manager")) != nullptr; }, 5000));
    if (taskManager) PostMessageW(taskManager, WM_CLOSE, 0, 0);
    Sleep(300);
    EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << "the planted taskmgr.exe ran";

    // The stand-in does leave its marker when it runs.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + planted + L"\"";
    ASSERT_TRUE(CreateProcessW(planted.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               gadget_.folder().c_str(), &startup, &info));
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    EXPECT_NE(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(GadgetMouse, ARightClickOpensThePopupWithItsTopRightCornerAtTheCursor) {
    POINT click = g_.at(60, 300);
    mouse::rightClick(click.x, click.y);
    HWND popup = nullptr;
    ASSERT_TRUE(
        waitUntil([&] { return (popup = otherWindow(gadget_.processId(), gadget_.window())) != nullptr; }, 3000));
    RECT p{};
    GetWindowRect(popup, &p);
    EXPECT_EQ(p.right - p.left, 164);
    EXPECT_EQ(p.bottom - p.top, 146);
    EXPECT_EQ(p.right, click.x);
    EXPECT_EQ(p.top, click.y);
    // The first click anywhere closes it.
    mouse::click(10, workArea().bottom - 10);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }, 3000));
}

}  // namespace
}  // namespace e2e

namespace e2e {
namespace {

// A config with one era over every year and a holiday on the 10th of every month.
const std::wstring labelConfig =
    L"年号 テスト 1900 1 1 2999 12 31\r\n"
    L"祝日 試験日 1900 2999 日付 0 10\r\n";

struct Today {
    int year, month, tenthColumn, tenthRow;
};

Today today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    std::tm first{};
    first.tm_year = now.wYear - 1900;
    first.tm_mon = now.wMonth - 1;
    first.tm_mday = 1;
    first.tm_hour = 12;
    std::mktime(&first);
    int tenthWeekday = (first.tm_wday + 9) % 7;
    return {now.wYear, now.wMonth, tenthWeekday, (first.tm_wday + 9) / 7};
}

class GadgetLabels : public testing::TestWithParam<int> {};

TEST_P(GadgetLabels, HolidayAndEraLabelsSitWhereTheyBelongAndOutliveALeave) {
    const int percent = GetParam();
    const float s = percent / 100.0f;
    moveAway();
    GadgetProcess gadget;
    gadget.writeConfig(cp932(labelConfig));
    gadget.setSetting(L"MainLeft", 700);
    gadget.setSetting(L"MainTop", 100);
    gadget.setSetting(L"Size", static_cast<DWORD>(percent));
    ASSERT_TRUE(gadget.start());
    RECT r = gadget.windowRect();
    auto screen = [&](float x, float y) { return POINT{r.left + static_cast<LONG>(x), r.top + static_cast<LONG>(y)}; };
    auto silverAt = [&](float x, float y) {
        POINT p = screen(x, y);
        return screenPixel(p.x, p.y) == 0xC0C0C0u;
    };

    Today t = today();
    const float cellW = 17 * s, cellH = 15 * s;
    const float gridLeft = static_cast<float>(static_cast<int>(8 * s));
    const float gridTop = static_cast<float>(static_cast<int>(162 * s));
    float cellX = gridLeft + cellW * static_cast<float>(t.tenthColumn);
    float cellY = gridTop + cellH * static_cast<float>(t.tenthRow);
    POINT over = screen(cellX + cellW / 2, cellY + cellH / 2);
    mouse::moveTo(over.x, over.y);

    const float width = (3 * 12 + 5) * s;  // "試験日"
    float labelX = t.tenthColumn >= 4 ? cellX - (width - cellW) : cellX;
    float labelY = cellY - cellH;
    // Both ends of the label are silver, and just past its right end is not.
    EXPECT_TRUE(
        waitUntil([&] { return silverAt(labelX + 1, labelY + 2) && silverAt(labelX + width - 2, labelY + 2); }, 2000))
        << percent << "%";
    EXPECT_FALSE(silverAt(labelX + width + 2, labelY + 2));

    // Leaving the window takes the boxes away but not the label.
    moveAway();
    Sleep(800);
    EXPECT_TRUE(silverAt(labelX + 1, labelY + 2));

    // The title: the era of the shown month, centred in the window below the title.
    POINT title = screen(68 * s, 142 * s);
    mouse::moveTo(title.x, title.y);
    std::wstring era = L"テスト" + std::to_wstring(t.year - 1900 + 1) + L"年";
    const float eraWidth = (static_cast<float>(era.size()) * 12 + 5) * s;
    const float eraX = (static_cast<float>(r.right - r.left) - eraWidth) * 0.5f;
    const float eraY = static_cast<float>(static_cast<int>(135 * s) - static_cast<int>(2 * s)) + 30 * s;
    if (percent == 100) {
        EXPECT_EQ(eraY, 163.0f);
    }
    EXPECT_TRUE(
        waitUntil([&] { return silverAt(eraX + 1, eraY + 2) && silverAt(eraX + eraWidth - 2, eraY + 2); }, 2000))
        << percent << "%";
    EXPECT_FALSE(silverAt(eraX - 2, eraY + 2));
}

INSTANTIATE_TEST_SUITE_P(Sizes, GadgetLabels, testing::Values(100, 120),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

TEST(GadgetDrag, AtOneHundredAndTwentyPercentTheWindowStillStopsAtTheEdge) {
    moveAway();
    GadgetProcess gadget;
    gadget.setSetting(L"MainLeft", 700);
    gadget.setSetting(L"MainTop", 100);
    gadget.setSetting(L"Size", 120);
    ASSERT_TRUE(gadget.start());
    RECT r = gadget.windowRect();
    ASSERT_EQ(r.right - r.left, 163);
    POINT grip{r.left + 13, r.top + 25};  // inside the move box (10, 12)-(27, 27)
    mouse::drag(grip, {grip.x + 3000, grip.y - 500});
    RECT stopped{};
    EXPECT_TRUE(waitUntil([&] {
        stopped = gadget.windowRect();
        return stopped.right == workArea().right && stopped.top == workArea().top;
    }));
    EXPECT_TRUE(waitUntil([&] { return gadget.setting(L"MainTop") == static_cast<DWORD>(stopped.top); }));
    EXPECT_EQ(static_cast<LONG>(*gadget.setting(L"MainLeft")), stopped.left);
}

}  // namespace
}  // namespace e2e
