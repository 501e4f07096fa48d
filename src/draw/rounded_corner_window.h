#pragma once
// The base of every window of the program: a dialog whose client area is a
// rounded rectangle on the transparent key colour.
#include "app/placement.h"
#include "draw/gdiplus_wrappers.h"
#include "draw/gimage_ex.h"
#include "framework/dialog.h"

class RoundedCornerWindow : public fw::Dialog {
public:
    using fw::Dialog::Dialog;

    // Fills (0, 0, width, height) with the key colour and the rounded rectangle
    // inside it with `argb`, without smoothing; anti-aliasing is left on.
    static void fillRoundedBackground(draw::Graphics& graphics, int width, int height, uint32_t argb);

protected:
    // Layered with the key colour, so that the corners are transparent.
    void makeLayered();

    // One step of a drag: the window goes where the client point `p` minus the
    // press's `offset` puts it, kept inside the work area; returns that place.
    app::Point dragStep(POINT p, POINT offset, int32_t width, int32_t height);

    // Sets a hover flag; true when it changed, so that the caller repaints.
    static bool update(bool& flag, bool value) {
        if (flag == value) return false;
        flag = value;
        return true;
    }

    // The paint of the popups: `compose(graphics, image, width, height)` draws the
    // client area into an off-screen image, which goes to the window in one blit;
    // then the graphics and the image are deleted.
    template <class Compose>
    void paintThroughImage(Compose compose) {
        RECT client{};
        GetClientRect(hwnd(), &client);
        GImageEx image;
        image.create(client.right, -client.bottom, 32);
        draw::Graphics graphics(image.dc());
        compose(graphics, image, static_cast<int>(client.right), static_cast<int>(client.bottom));
        image.blit(fw::WindowDC(hwnd()).get());
    }
};
