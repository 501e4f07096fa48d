// The settings popup, driven with the real mouse: themes, sizes and shadow as
// the screen and the registry show them.
#include <gtest/gtest.h>

#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

// Pixels of `rgb` in a screen rectangle.
int countPixels(const RECT& area, uint32_t rgb) {
    ScreenShot shot(area);
    int n = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x) n += shot.pixel(x, y) == rgb;
    return n;
}

class Popup : public testing::Test {
protected:
    void SetUp() override {
        mouse::moveTo(10, workArea().bottom - 10);
        gadget_.setSetting(L"MainLeft", 700);
        gadget_.setSetting(L"MainTop", 100);
        ASSERT_TRUE(gadget_.start());
        r_ = gadget_.windowRect();
    }
    POINT at(int x, int y) const { return {r_.left + x, r_.top + y}; }

    // Right-clicks on a meter panel and waits for the popup.
    HWND openPopup() {
        POINT click = at(60, 300);
        mouse::rightClick(click.x, click.y);
        HWND popup = nullptr;
        waitUntil([&] { return (popup = otherWindow(gadget_.processId(), gadget_.window())) != nullptr; }, 3000);
        if (popup) Sleep(100);  // let it take the capture once shown
        return popup;
    }
    // Moves over a point of the popup's client area, then clicks there.
    void choose(HWND popup, int x, int y) {
        RECT p{};
        GetWindowRect(popup, &p);
        mouse::moveTo(p.left + x - 3, p.top + y);
        mouse::click(p.left + x, p.top + y);
        waitUntil([&] { return !IsWindow(popup); }, 3000);
        Sleep(300);  // the gadget's repaint
    }

    GadgetProcess gadget_;
    RECT r_{};
};

// Client points of the items at 96 dpi and 100 %: columns from x = 5 and 85, rows of 20 from y = 20.
constexpr POINT GREEN{30, 50}, SHADOW{30, 130}, SIZE_120{120, 110};

TEST_F(Popup, ChoosingGreenRethemesTheGadgetAndSurvivesARestart) {
    EXPECT_EQ(screenPixel(at(3, 200).x, at(3, 200).y), 0x404040u);
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    choose(popup, GREEN.x, GREEN.y);
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_EQ(screenPixel(at(3, 200).x, at(3, 200).y), 0x60A060u);
    EXPECT_EQ(gadget_.setting(L"ColorSelect"), 1u);

    gadget_.endSession();
    ASSERT_TRUE(gadget_.waitForExit(3000));
    ASSERT_TRUE(gadget_.start());
    r_ = gadget_.windowRect();
    EXPECT_EQ(screenPixel(at(3, 200).x, at(3, 200).y), 0x60A060u);
}

TEST_F(Popup, SizeKeepsTheRightEdgeAndIsStored) {
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    choose(popup, SIZE_120.x, SIZE_120.y);
    RECT after = gadget_.windowRect();
    EXPECT_EQ(after.right - after.left, 163);
    EXPECT_EQ(after.bottom - after.top, 554);
    EXPECT_EQ(after.right, r_.right);
    EXPECT_EQ(after.top, r_.top);
    EXPECT_EQ(gadget_.setting(L"Size"), 120u);
    EXPECT_EQ(gadget_.setting(L"MainLeft"), 673u);
}

TEST_F(Popup, ShadowTogglesTheShadedPanels) {
    // The calendar panel: its plain panel colour gives way to the gradient.
    RECT calendar{at(6, 132).x, at(6, 132).y, at(130, 256).x, at(130, 256).y};
    int plain = countPixels(calendar, 0x000000);
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    choose(popup, SHADOW.x, SHADOW.y);
    EXPECT_EQ(gadget_.setting(L"Shadow"), 1u);
    int shaded = countPixels(calendar, 0x000000);
    EXPECT_LT(shaded, plain - 400) << plain << " " << shaded;

    popup = openPopup();
    ASSERT_NE(popup, nullptr);
    choose(popup, SHADOW.x, SHADOW.y);
    EXPECT_EQ(gadget_.setting(L"Shadow"), 0u);
    EXPECT_GT(countPixels(calendar, 0x000000), plain - 100);
}

TEST_F(Popup, AClickWithoutMovingFirstChangesNothing) {
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    mouse::leftDown();
    mouse::leftUp();
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }, 3000));
    for (const wchar_t* name : {L"ColorSelect", L"Shadow", L"Size"})
        EXPECT_FALSE(gadget_.setting(name).has_value()) << name;
    RECT after = gadget_.windowRect();
    EXPECT_TRUE(EqualRect(&after, &r_));
}

TEST_F(Popup, EscapeClosesItWithoutAChange) {
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    RECT p{};
    GetWindowRect(popup, &p);
    mouse::moveTo(p.left + GREEN.x, p.top + GREEN.y);
    keyboard::press(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }, 3000));
    EXPECT_FALSE(gadget_.setting(L"ColorSelect").has_value());
    EXPECT_EQ(screenPixel(at(3, 200).x, at(3, 200).y), 0x404040u);
}

TEST_F(Popup, HighlightFollowsThePointer) {
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    RECT p{};
    GetWindowRect(popup, &p);
    // Right of the text of "緑" (row 2): white, then the highlight's grey once hovered.
    POINT probe{p.left + 60, p.top + 55};
    EXPECT_EQ(screenPixel(probe.x, probe.y), 0xFFFFFFu);
    mouse::moveTo(p.left + GREEN.x, p.top + GREEN.y);
    EXPECT_TRUE(waitUntil([&] { return screenPixel(probe.x, probe.y) == 0xE0E0E0u; }, 2000));
    mouse::moveTo(p.left + GREEN.x, p.top + GREEN.y + 40);
    EXPECT_TRUE(waitUntil([&] { return screenPixel(probe.x, probe.y) == 0xFFFFFFu; }, 2000));
    keyboard::press(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }, 3000));
}

TEST_F(Popup, TheGadgetKeepsTickingWhileItIsOpen) {
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    RECT clock{at(6, 6).x, at(6, 6).y, at(130, 130).x, at(130, 130).y};
    ScreenShot before(clock);
    bool changed = waitUntil([&] { return ScreenShot(clock).differences(before) > 0; }, 3000);
    EXPECT_TRUE(changed);
    EXPECT_TRUE(IsWindow(popup));
    keyboard::press(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(popup); }, 3000));
}

}  // namespace
}  // namespace e2e
