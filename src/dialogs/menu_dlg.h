#pragma once
// The settings popup: themes, shadow and sizes, opened by a right click.
#include <windows.h>

#include <cstdint>

#include "draw/rounded_corner_window.h"

class CMenuDlg : public RoundedCornerWindow {
public:
    CMenuDlg();

    POINT anchor{};  // screen point of the right click: the popup's top-right corner
    int32_t columnWidth = 0;
    int32_t rowHeight = 0;
    int32_t hoverItem = -1;

protected:
    BOOL onInitDialog() override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT onLButtonDown(WPARAM, LPARAM);
};
