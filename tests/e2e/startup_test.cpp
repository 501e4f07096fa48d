// Start-up as a user meets it: where the window appears, what its corners show,
// and what a second start does.
#include <gtest/gtest.h>

#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

TEST(Startup, FirstRunSitsAtTheTopRightOfTheWorkArea) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    RECT r = gadget.windowRect();
    RECT work = workArea();
    EXPECT_EQ(r.right - r.left, 136);
    EXPECT_EQ(r.bottom - r.top, 462);
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.top, work.top);
}

TEST(Startup, CornersShowTheDesktopBehind) {
    RECT work = workArea();
    RECT area{work.right - 136, work.top, work.right, work.top + 462};
    ScreenShot before(area);
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    ScreenShot after(area);
    const POINT corners[] = {{area.left, area.top},
                             {area.right - 1, area.top},
                             {area.left, area.bottom - 1},
                             {area.right - 1, area.bottom - 1}};
    for (POINT p : corners) {
        EXPECT_NE(after.pixel(p.x, p.y), 0x000001u) << p.x << "," << p.y;
        EXPECT_EQ(after.pixel(p.x, p.y), before.pixel(p.x, p.y)) << p.x << "," << p.y;
    }
    // The middle of the window is the gadget's own.
    int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    EXPECT_NE(after.pixel(cx, cy), before.pixel(cx, cy));
}

TEST(Startup, SecondCopyEndsAtOnceWithoutAWindow) {
    GadgetProcess gadget;
    ASSERT_TRUE(gadget.start());
    HANDLE second = gadget.startAnother();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(WaitForSingleObject(second, 5000), WAIT_OBJECT_0);
    DWORD secondId = GetProcessId(second);
    EXPECT_EQ(countTopLevelWindows(secondId), 0);
    CloseHandle(second);
    EXPECT_TRUE(gadget.running());
    EXPECT_TRUE(IsWindow(gadget.window()));
}

}  // namespace
}  // namespace e2e
