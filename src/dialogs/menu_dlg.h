#pragma once
// The settings popup: themes, shadow and sizes, opened by a right click. The
// first left press anywhere applies the item under the pointer and closes it.
#include <windows.h>

#include <cstdint>

#include "draw/rounded_corner_window.h"

class CMenuDlg : public RoundedCornerWindow {
public:
    CMenuDlg();
    ~CMenuDlg() override;

    POINT anchor{};  // screen point of the right click: the popup's top-right corner
    int32_t columnWidth = 0;
    int32_t rowHeight = 0;
    int32_t hoverItem = -1;

    // Paints the popup into `graphics`, an area of the client size.
    void paintItems(draw::Graphics& graphics, int width, int height) const;

protected:
    BOOL onInitDialog() override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT onPaint(WPARAM, LPARAM);
    LRESULT onMouseMove(POINT p);
    LRESULT onLButtonDown(WPARAM, LPARAM);
    LRESULT onShown(WPARAM, LPARAM);
    void applyHoverItem();
};
