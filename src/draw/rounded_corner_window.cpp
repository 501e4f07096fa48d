#include "draw/rounded_corner_window.h"

#include "app/ombrel_app.h"
#include "draw/transparent_key.h"

void RoundedCornerWindow::fillRoundedBackground(draw::Graphics& graphics, int width, int height, uint32_t argb) {
    graphics.setSmoothingMode(Gdiplus::SmoothingModeNone);
    {
        draw::SolidBrush key(draw::TRANSPARENT_KEY);
        graphics.fillRectangleI(key, 0, 0, width, height);
    }
    app::Scale s = theApp.scale();
    float d = static_cast<float>(s.isx(16));
    float e = static_cast<float>(s.isy(16));
    float w = static_cast<float>(width);
    float h = static_cast<float>(height);

    draw::Path path(Gdiplus::FillModeAlternate);
    graphics.record(path.status());
    graphics.record(draw::gp::GdipAddPathArc(path.handle(), w - d, h - e, d, d, 0, 90));
    graphics.record(draw::gp::GdipAddPathArc(path.handle(), 0, h - e, d, d, 90, 90));
    graphics.record(draw::gp::GdipAddPathArc(path.handle(), 0, 0, d, d, 180, 90));
    graphics.record(draw::gp::GdipAddPathArc(path.handle(), w - d, 0, d, d, 270, 90));
    draw::SolidBrush brush(argb);
    graphics.record(draw::gp::GdipFillPath(graphics.handle(), brush.handle(), path.handle()));
    graphics.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
}

void RoundedCornerWindow::makeLayered() {
    SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd(), draw::TRANSPARENT_KEY_COLORREF, 0, LWA_COLORKEY);
}

app::Point RoundedCornerWindow::dragStep(POINT p, POINT offset, int32_t width, int32_t height) {
    ClientToScreen(hwnd(), &p);
    app::Point position{p.x - offset.x, p.y - offset.y};
    theApp.clampToWorkArea(position, width, height);
    MoveWindow(hwnd(), position.x, position.y, width, height, TRUE);
    return position;
}
