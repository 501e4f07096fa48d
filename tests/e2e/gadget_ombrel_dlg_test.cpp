// The gadget window as a user meets it: its size at each scale, where it starts,
// its theme, and how it ends.
#include <gtest/gtest.h>

#include "support/gadget_process.h"
#include "support/registry_value.h"
#include "support/screen.h"

namespace e2e {
namespace {

struct SizeCase {
    const char* what;
    DWORD logPixels;
    DWORD sizePercent;  // 0: nothing stored
    LONG width, height;
};

void PrintTo(const SizeCase& c, std::ostream* out) { *out << c.what; }

class WindowSize : public testing::TestWithParam<SizeCase> {};

TEST_P(WindowSize, FollowsDpiAndTheSizeSetting) {
    const SizeCase& c = GetParam();
    ScopedRegistryDword dpi(L"Control Panel\\Desktop", L"LogPixels", c.logPixels);
    GadgetProcess gadget;
    if (c.sizePercent) gadget.setSetting(L"Size", c.sizePercent);
    ASSERT_TRUE(gadget.start());
    RECT r = gadget.windowRect();
    EXPECT_EQ(r.right - r.left, c.width);
    EXPECT_EQ(r.bottom - r.top, c.height);
    // Nothing stored: the top-right corner of the work area.
    EXPECT_EQ(r.right, workArea().right);
    EXPECT_EQ(r.top, workArea().top);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowSize,
                         testing::Values(SizeCase{"96dpi", 96, 0, 136, 462}, SizeCase{"size120", 96, 120, 163, 554},
                                         SizeCase{"144dpi", 144, 0, 204, 693}),
                         [](const testing::TestParamInfo<SizeCase>& info) { return info.param.what; });

TEST(Placement, AStoredPositionIsRestoredAndClampedIntoTheWorkArea) {
    struct Case {
        int left, top, expectedLeft, expectedTop;
    } cases[] = {{300, 200, 300, 200}, {-50, -50, 0, 0}};
    for (const Case& c : cases) {
        GadgetProcess gadget;
        gadget.setSetting(L"MainLeft", static_cast<DWORD>(c.left));
        gadget.setSetting(L"MainTop", static_cast<DWORD>(c.top));
        ASSERT_TRUE(gadget.start());
        RECT r = gadget.windowRect();
        EXPECT_EQ(r.left, c.expectedLeft) << c.left << "," << c.top;
        EXPECT_EQ(r.top, c.expectedTop) << c.left << "," << c.top;
        // The clamped place is not written back: only a drag writes it.
        EXPECT_EQ(static_cast<int>(*gadget.setting(L"MainLeft")), c.left);
    }
}

TEST(Theme, TheFrameColourFollowsColorSelect) {
    const uint32_t frames[] = {0x404040, 0x60A060, 0x8080E0, 0xE06060, 0x808080};
    for (DWORD theme = 0; theme < 5; ++theme) {
        GadgetProcess gadget;
        gadget.setSetting(L"ColorSelect", theme);
        ASSERT_TRUE(gadget.start());
        RECT r = gadget.windowRect();
        // The margin left of the panels and the gap between the clock and the calendar.
        EXPECT_EQ(screenPixel(r.left + 3, r.top + 200), frames[theme]) << "theme " << theme;
        EXPECT_EQ(screenPixel(r.left + 60, r.top + 131), frames[theme]) << "theme " << theme;
    }
}

TEST(Keyboard, EnterAndEscapeLeaveTheGadgetOpen) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    RECT r = gadget.windowRect();
    // A click in the margin gives it the focus and does nothing else.
    mouse::click(r.left + 3, r.top + 140);
    for (WORD key : {static_cast<WORD>(VK_RETURN), static_cast<WORD>(VK_ESCAPE)}) {
        keyboard::press(key);
        Sleep(250);
        EXPECT_TRUE(gadget.running()) << "key " << key;
        EXPECT_TRUE(IsWindowVisible(gadget.window())) << "key " << key;
    }
}

TEST(Session, EndSessionTrueEndsTheProcessAndFalseDoesNot) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    SendMessageTimeoutW(gadget.window(), WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    EXPECT_FALSE(gadget.waitForExit(500));
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(gadget.window(), WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
    EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
    gadget.endSession();
    EXPECT_TRUE(gadget.waitForExit(3000));
}

// The sampling timer ticks once a second on a thread of its own; the gadget
// must end cleanly whatever moment of that second it is closed at.
TEST(Session, EndsCleanlyAtAnyMomentOfTheSecond) {
    for (DWORD after = 0; after <= 950; after += 50) {
        GadgetProcess gadget;
        ASSERT_TRUE(gadget.launch() && gadget.waitForWindow()) << after;
        Sleep(after);
        gadget.endSession();
        EXPECT_TRUE(gadget.waitForExit(5000)) << after << " ms";
        EXPECT_EQ(gadget.exitCode(), 0u) << after << " ms";
    }
}

}  // namespace
}  // namespace e2e
