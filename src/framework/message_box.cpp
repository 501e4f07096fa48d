#include "framework/message_box.h"

#include "framework/application.h"

namespace fw {

int messageBox(const wchar_t* text) {
    Application* app = Application::current();
    HWND main = app ? app->mainWindowHandle() : nullptr;
    // Owned by the popup in use over the main window (a modal dialog), so that
    // the box disables that popup until it is answered.
    HWND owner = main ? GetLastActivePopup(main) : nullptr;
    const wchar_t* caption = app && !app->appName().empty() ? app->appName().c_str() : L"";
    return MessageBoxW(owner, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace fw
