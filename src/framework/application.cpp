#include "framework/application.h"

#include "framework/dialog.h"

namespace fw {

namespace {
Application* currentApp = nullptr;

// An open registry key, closed with its owner.
struct RegistryKey {
    HKEY handle = nullptr;
    RegistryKey() = default;
    ~RegistryKey() {
        if (handle) RegCloseKey(handle);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
};

std::wstring moduleBaseName(HINSTANCE instance) {
    wchar_t path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameW(instance, path, MAX_PATH);
    std::wstring name(path, n);
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}
}  // namespace

Application::Application() { currentApp = this; }

Application::~Application() {
    if (currentApp == this) currentApp = nullptr;
}

Application* Application::current() { return currentApp; }

bool Application::initInstance() {
    instance_ = GetModuleHandleW(nullptr);
    appName_ = moduleBaseName(instance_);
    return true;
}

HWND Application::mainWindowHandle() const { return mainWindow ? mainWindow->hwnd() : nullptr; }

void Application::setRegistryKey(const wchar_t* company) { company_ = company; }

std::wstring Application::profileKeyPath(const wchar_t* section) const {
    return L"Software\\" + company_ + L"\\" + appName_ + L"\\" + section;
}

int Application::getProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue) const {
    DWORD value = 0, size = sizeof value, type = 0;
    LSTATUS status =
        RegGetValueW(HKEY_CURRENT_USER, profileKeyPath(section).c_str(), entry, RRF_RT_REG_DWORD, &type, &value, &size);
    return status == ERROR_SUCCESS ? static_cast<int>(value) : defaultValue;
}

bool Application::writeProfileInt(const wchar_t* section, const wchar_t* entry, int value) const {
    RegistryKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, profileKeyPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key.handle, nullptr) != ERROR_SUCCESS)
        return false;
    DWORD data = static_cast<DWORD>(value);
    return RegSetValueExW(key.handle, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

int runApplication(Application& app) {
    if (!app.initInstance()) return 0;
    // A program whose instance entry returns true runs this loop; ours returns
    // false once its gadget has closed.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace fw
