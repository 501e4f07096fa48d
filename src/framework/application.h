#pragma once
// The application object: one per process, registered when it is constructed.
// wWinMain hands control to its initInstance; a false result means
// that no message loop runs and the process ends.
#include <windows.h>

#include <string>

namespace fw {

class Dialog;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* current();

    // The framework's own start: records the instance and the application name.
    virtual bool initInstance();

    // The profile lives under HKEY_CURRENT_USER\Software\<company>\<appName>.
    void setRegistryKey(const wchar_t* company);
    int getProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue) const;
    bool writeProfileInt(const wchar_t* section, const wchar_t* entry, int value) const;
    std::wstring profileKeyPath(const wchar_t* section) const;

    HINSTANCE instance() const { return instance_; }
    // The executable's file name without its extension.
    const std::wstring& appName() const { return appName_; }

    // The framework's main window: owner of the dialogs opened while it runs.
    Dialog* mainWindow = nullptr;
    HWND mainWindowHandle() const;

private:
    HINSTANCE instance_ = nullptr;
    std::wstring appName_;
    std::wstring company_;
};

// The body of wWinMain: the framework's start, then the application's.
int runApplication(Application& app);

}  // namespace fw
