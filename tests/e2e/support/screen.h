#pragma once
// The screen as a user sees it, and the mouse as a user moves it.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace e2e {

// A copy of a screen rectangle; pixel() answers 0xRRGGBB in screen coordinates.
class ScreenShot {
public:
    explicit ScreenShot(RECT area);
    uint32_t pixel(int x, int y) const;
    // How many pixels differ from `other`, a shot of the same area.
    int differences(const ScreenShot& other) const;
    const RECT& area() const { return area_; }

private:
    RECT area_;
    std::vector<uint32_t> pixels_;
};

uint32_t screenPixel(int x, int y);
RECT workArea();

namespace mouse {
void moveTo(int x, int y);
void leftDown();
void leftUp();
void rightDown();
void rightUp();
void click(int x, int y);
void doubleClick(int x, int y);
void rightClick(int x, int y);
// Press at `from`, move in steps to `to`, release there.
void drag(POINT from, POINT to);
}  // namespace mouse

namespace keyboard {
// Presses and releases `key` as a user would.
void press(WORD key);
}  // namespace keyboard

}  // namespace e2e
