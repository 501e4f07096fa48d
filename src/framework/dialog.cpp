#include "framework/dialog.h"

#include "framework/application.h"
#include "framework/control.h"

namespace fw {

Dialog::Dialog(UINT templateId) : templateId_(templateId) {}

Dialog::~Dialog() {
    if (hwnd_) DestroyWindow(hwnd_);
}

INT_PTR Dialog::doModal(HWND owner) {
    Application* app = Application::current();
    if (!owner && app && app->mainWindow != this) owner = app->mainWindowHandle();
    HINSTANCE instance = GetModuleHandleW(nullptr);
    ended_ = false;
    result_ = -1;
    if (!CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId_), owner, dialogProc, reinterpret_cast<LPARAM>(this)))
        return -1;
    // The owner takes no input while its modal child runs.
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled) EnableWindow(owner, FALSE);
    if (!ended_) ShowWindow(hwnd_, SW_SHOW);

    MSG msg;
    while (!ended_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (preTranslateMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    if (ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        if (GetActiveWindow() == hwnd_) SetActiveWindow(owner);
    }
    if (hwnd_) DestroyWindow(hwnd_);
    return result_;
}

void Dialog::endDialog(INT_PTR result) {
    result_ = result;
    ended_ = true;
    // Wake the modal loop if it is waiting for a message.
    if (hwnd_) PostMessageW(hwnd_, WM_NULL, 0, 0);
}

bool Dialog::preTranslateMessage(MSG& msg) { return hwnd_ && IsDialogMessageW(hwnd_, &msg); }

BOOL Dialog::onInitDialog() {
    doDataExchange();
    return TRUE;
}

bool Dialog::handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Dialog::defaultPaint() { ValidateRect(hwnd_, nullptr); }

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR answer = self->route(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return answer;
}

INT_PTR Dialog::route(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (message == WM_INITDIALOG) return onInitDialog();

    // Owner draw and control colours go back to the control object that asked.
    if (message == WM_DRAWITEM || message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC ||
        message == WM_CTLCOLORBTN) {
        HWND child = message == WM_DRAWITEM ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem
                                            : reinterpret_cast<HWND>(lParam);
        if (Control* control = Control::fromHandle(child);
            control && control->reflect(message, wParam, lParam, result)) {
            if (message == WM_DRAWITEM) return TRUE;
            return static_cast<INT_PTR>(result);
        }
    }

    if (handleMessage(message, wParam, lParam, result)) {
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        if (LOWORD(wParam) == IDOK) {
            onOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            onCancel();
            return TRUE;
        }
    }
    if (message == WM_CLOSE) {
        onCancel();
        return TRUE;
    }
    return FALSE;
}

}  // namespace fw
