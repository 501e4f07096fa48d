#pragma once
// The base of every window of the program: a dialog whose client area is a
// rounded rectangle on the transparent key colour.
#include "draw/gdiplus_wrappers.h"
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
};
