#include "dialogs/menu_dlg.h"

#include "resource.h"

CMenuDlg::CMenuDlg() : RoundedCornerWindow(IDD_MENU_DIALOG) {}

BOOL CMenuDlg::onInitDialog() {
    RoundedCornerWindow::onInitDialog();
    SetCapture(hwnd());
    return TRUE;
}

bool CMenuDlg::handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    static constexpr fw::MessageEntry<CMenuDlg> messageTable[] = {
        fw::onMessage(WM_LBUTTONDOWN, &CMenuDlg::onLButtonDown),
    };
    return fw::dispatchMessage<CMenuDlg>(this, messageTable, message, wParam, lParam, result);
}

LRESULT CMenuDlg::onLButtonDown(WPARAM, LPARAM) {
    endDialog(0);
    return 0;
}
