#include "framework/message_box.h"

#include "framework/application.h"

namespace fw {

int messageBox(const wchar_t* text) {
    Application* app = Application::current();
    HWND owner = app ? app->mainWindowHandle() : nullptr;
    const wchar_t* caption = app && !app->appName().empty() ? app->appName().c_str() : L"";
    return MessageBoxW(owner, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace fw
