#include "support/screen.h"

namespace e2e {

ScreenShot::ScreenShot(RECT area) : area_(area) {
    int w = area.right - area.left, h = area.bottom - area.top;
    pixels_.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const uint32_t* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = source[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

uint32_t ScreenShot::pixel(int x, int y) const {
    int w = area_.right - area_.left;
    return pixels_[static_cast<size_t>(y - area_.top) * static_cast<size_t>(w) + static_cast<size_t>(x - area_.left)];
}

int ScreenShot::differences(const ScreenShot& other) const {
    int n = 0;
    for (size_t i = 0; i < pixels_.size(); ++i) n += pixels_[i] != other.pixels_[i];
    return n;
}

uint32_t screenPixel(int x, int y) { return ScreenShot(RECT{x, y, x + 1, y + 1}).pixel(x, y); }

RECT workArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

namespace mouse {

namespace {
void send(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        int w = GetSystemMetrics(SM_CXVIRTUALSCREEN), h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        input.mi.dx = static_cast<LONG>((static_cast<int64_t>(x - left) * 65535 + (w - 1) / 2) / (w - 1));
        input.mi.dy = static_cast<LONG>((static_cast<int64_t>(y - top) * 65535 + (h - 1) / 2) / (h - 1));
    }
    SendInput(1, &input, sizeof input);
}
}  // namespace

void moveTo(int x, int y) {
    send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK, x, y);
    Sleep(30);
}
void leftDown() {
    send(MOUSEEVENTF_LEFTDOWN);
    Sleep(20);
}
void leftUp() {
    send(MOUSEEVENTF_LEFTUP);
    Sleep(20);
}
void rightDown() {
    send(MOUSEEVENTF_RIGHTDOWN);
    Sleep(20);
}
void rightUp() {
    send(MOUSEEVENTF_RIGHTUP);
    Sleep(20);
}

void click(int x, int y) {
    moveTo(x, y);
    leftDown();
    leftUp();
}

void doubleClick(int x, int y) {
    moveTo(x, y);
    leftDown();
    leftUp();
    leftDown();
    leftUp();
}

void rightClick(int x, int y) {
    moveTo(x, y);
    rightDown();
    rightUp();
}

void drag(POINT from, POINT to) {
    moveTo(from.x, from.y);
    // Under load the window may still be catching up with the cursor.
    Sleep(100);
    leftDown();
    Sleep(50);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) moveTo(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
    // The last move must arrive before the release.
    Sleep(30);
    leftUp();
}

}  // namespace mouse

namespace keyboard {

void press(WORD key) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(50);
}

}  // namespace keyboard

}  // namespace e2e
