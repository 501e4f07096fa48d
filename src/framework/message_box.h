#pragma once
#include <windows.h>

namespace fw {

// The framework's message box: an OK button, the exclamation icon and the
// application's name as caption, owned by the popup last active over the main
// window (the main window itself when none is open). Returns the button pressed.
int messageBox(const wchar_t* text);

}  // namespace fw
