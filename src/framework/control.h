#pragma once
// A control of a dialog template bound to an object by its item id. Binding
// subclasses the existing window, so the object sees the control's own messages
// (its message table) and the messages that the parent reflects back to it
// (owner draw, control colour).
#include <windows.h>

namespace fw {

class Dialog;

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Subclasses item `id` of `dialog`, then runs the attach hook.
    bool bind(const Dialog& dialog, int id);
    HWND hwnd() const { return hwnd_; }
    static Control* fromHandle(HWND hwnd);

    // A message that the parent received on behalf of this control.
    virtual bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // Runs once the window is bound (the framework's pre-subclass hook).
    virtual void onAttach() {}
    // The control's own message table; false passes the message on to the window class.
    virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void unbind();

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
};

}  // namespace fw
