// The platform's floor for memory: a dialog program that does nothing, run the
// way the gadget runs.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return static_cast<int>(DialogBoxParamW(
        instance, MAKEINTRESOURCEW(1), nullptr,
        [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; }, 0));
}
