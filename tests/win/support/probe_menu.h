#pragma once
// The settings popup run for real but ended before it waits for input:
// optionally after a press with an item highlighted, as a user's click does.
#include <windows.h>

#include "dialogs/menu_dlg.h"

namespace wintest {

class ProbeMenu : public CMenuDlg {
public:
    RECT windowRect{};
    int32_t pressItem = -2;  // -2: no press

protected:
    BOOL onInitDialog() override {
        CMenuDlg::onInitDialog();
        GetWindowRect(hwnd(), &windowRect);
        if (pressItem != -2) {
            hoverItem = pressItem;
            SendMessageW(hwnd(), WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
        } else {
            endDialog(0);
        }
        return TRUE;
    }
};

// Opens the popup at (700, 300) and presses `item` in it.
inline void pressMenuItem(int32_t item) {
    ProbeMenu menu;
    menu.anchor = {700, 300};
    menu.pressItem = item;
    menu.doModal();
}

}  // namespace wintest
