#pragma once
// The owner-drawn button of the About box and the coloured year field of the
// calendar browser. Both carry their own bold "Meiryo" font.
#include <windows.h>

#include <cstdint>

#include "framework/control.h"
#include "framework/gdi_object.h"

class GButtonEx : public fw::Control {
public:
    GButtonEx();

    // Draws the face, the caption and the edges for one owner-draw request.
    void drawItem(const DRAWITEMSTRUCT& item);
    HFONT font() const { return font_.get(); }

    COLORREF textColor = 0;
    COLORREF backgroundColor = 0;

protected:
    void onAttach() override;
    bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    fw::Font font_;
};

class GEditEx : public fw::Control {
public:
    GEditEx();

    HFONT font() const { return font_.get(); }

private:
    fw::Font font_;  // declared first, so it goes after the brush

public:
    // Made by the owner at initialisation; deleted with the control.
    fw::Brush backgroundBrush;
    uint32_t textColor = 0;        // ARGB
    uint32_t backgroundColor = 0;  // ARGB

protected:
    void onAttach() override;
    bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
