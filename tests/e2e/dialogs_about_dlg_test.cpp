// The About box, opened from the gadget with the real mouse.
#include <gtest/gtest.h>

#include "support/gadget_process.h"
#include "support/screen.h"

namespace e2e {
namespace {

TEST(AboutBox, DoubleClickOnTheClockShowsItAndOkClosesIt) {
    mouse::moveTo(10, workArea().bottom - 10);
    GadgetProcess gadget;
    gadget.setSetting(L"MainLeft", 700);
    gadget.setSetting(L"MainTop", 100);
    ASSERT_TRUE(gadget.start());
    RECT r = gadget.windowRect();
    mouse::doubleClick(r.left + 60, r.top + 60);
    HWND about = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (about = otherWindow(gadget.processId(), gadget.window())) != nullptr; }, 3000));
    Sleep(300);
    RECT a{};
    GetWindowRect(about, &a);
    // The black theme's background beside the icon, and the OK button's face.
    EXPECT_EQ(screenPixel(a.left + 20, a.top + 100), 0x404040u);
    // The OK button draws itself over the dialog's image: its light caption shows.
    ScreenShot ok(RECT{a.left + 295, a.top + 115, a.left + 325, a.top + 133});
    int caption = 0;
    for (LONG y = a.top + 115; y < a.top + 133; ++y)
        for (LONG x = a.left + 295; x < a.left + 325; ++x) caption += (ok.pixel(x, y) & 0xFF) > 0x90;
    EXPECT_GT(caption, 5);
    mouse::click(a.left + 310, a.top + 124);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about); }, 3000));
    EXPECT_TRUE(gadget.running());

    // Enter closes it as well.
    mouse::doubleClick(r.left + 60, r.top + 60);
    ASSERT_TRUE(waitUntil([&] { return (about = otherWindow(gadget.processId(), gadget.window())) != nullptr; }, 3000));
    Sleep(200);
    keyboard::press(VK_RETURN);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about); }, 3000));
    EXPECT_TRUE(gadget.running());
}

}  // namespace
}  // namespace e2e
