#include "framework/control.h"

#include "framework/dialog.h"

namespace fw {

namespace {
constexpr wchar_t controlProperty[] = L"fw.Control";
}

Control::~Control() { unbind(); }

bool Control::bind(const Dialog& dialog, int id) {
    HWND hwnd = dialog.item(id);
    if (!hwnd) return false;
    hwnd_ = hwnd;
    SetPropW(hwnd_, controlProperty, this);
    original_ =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassProc)));
    onAttach();
    return true;
}

void Control::unbind() {
    if (!hwnd_) return;
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropW(hwnd_, controlProperty);
    }
    hwnd_ = nullptr;
}

Control* Control::fromHandle(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, controlProperty)) : nullptr;
}

bool Control::reflect(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Control::handleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CALLBACK Control::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* self = fromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    WNDPROC original = self->original_;
    LRESULT result = 0;
    if (self->handleMessage(message, wParam, lParam, result)) return result;
    if (message == WM_NCDESTROY) {
        // The window goes before the object: hand the window back to its class.
        self->unbind();
    }
    return CallWindowProcW(original, hwnd, message, wParam, lParam);
}

}  // namespace fw
