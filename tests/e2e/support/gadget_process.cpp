#include "support/gadget_process.h"

#include <atomic>
#include <vector>

namespace e2e {

namespace {

constexpr wchar_t MAIN_WINDOW_TITLE[] = L"OmbrelMainWindow3";

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

void removeFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name != L"." && name != L"..") DeleteFileW((folder + L"\\" + name).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

HWND findGadgetWindow(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, nullptr, MAIN_WINDOW_TITLE))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

}  // namespace

std::wstring buildFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return folderOf(path);
}

GadgetProcess::GadgetProcess(const std::wstring& sourceFolder) {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    name_ = L"ombrel-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount()) + L"-" +
            std::to_wstring(counter++);
    folder_ = std::wstring(temp) + name_;
    CreateDirectoryW(folder_.c_str(), nullptr);
    exePath_ = folder_ + L"\\" + name_ + L".exe";
    CopyFileW((sourceFolder + L"\\ombrel.exe").c_str(), exePath_.c_str(), FALSE);
    CopyFileW((sourceFolder + L"\\config.txt").c_str(), (folder_ + L"\\config.txt").c_str(), FALSE);
}

GadgetProcess::~GadgetProcess() {
    if (info_.hProcess) {
        if (running()) {
            endSession();
            if (!waitForExit(3000)) TerminateProcess(info_.hProcess, 1);
            waitForExit(3000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\Fenwold\\" + name_).c_str());
    removeFolder(folder_);
}

std::wstring GadgetProcess::registryKey() const { return L"Software\\Fenwold\\" + name_ + L"\\Settings"; }

void GadgetProcess::writeConfig(const std::string& bytes) {
    HANDLE file = CreateFileW((folder_ + L"\\config.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void GadgetProcess::removeConfig() { DeleteFileW((folder_ + L"\\config.txt").c_str()); }

void GadgetProcess::setSetting(const wchar_t* name, DWORD value) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, registryKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

std::optional<DWORD> GadgetProcess::setting(const wchar_t* name) const {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, registryKey().c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool GadgetProcess::launch() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath_ + L"\"";
    return CreateProcessW(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(),
                          &startup, &info_) != 0;
}

bool GadgetProcess::waitForWindow() {
    return waitUntil([&] { return (window_ = findGadgetWindow(info_.dwProcessId)) != nullptr || !running(); }, 10000) &&
           window_;
}

bool GadgetProcess::waitForGadget() {
    if (!waitForWindow()) return false;
    // The first paint follows the window's creation by a few hundred ms under Wine.
    WaitForInputIdle(info_.hProcess, 5000);
    Sleep(300);
    return true;
}

PROCESS_INFORMATION GadgetProcess::startSuspended() const {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION other{};
    std::wstring commandLine = L"\"" + exePath_ + L"\"";
    if (!CreateProcessW(exePath_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder_.c_str(), &startup, &other))
        return {};
    return other;
}

HANDLE GadgetProcess::startAnother() const {
    PROCESS_INFORMATION other = startSuspended();
    if (!other.hProcess) return nullptr;
    ResumeThread(other.hThread);
    CloseHandle(other.hThread);
    return other.hProcess;
}

int countGadgetWindows() {
    int count = 0;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, MAIN_WINDOW_TITLE));) ++count;
    return count;
}

RECT GadgetProcess::windowRect() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect;
}

bool GadgetProcess::running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool GadgetProcess::waitForExit(DWORD milliseconds) const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD GadgetProcess::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void GadgetProcess::endSession() {
    if (window_) SendMessageTimeoutW(window_, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
}

namespace {
// Calls `visit` for each visible top-level window of the process but `except`
// until it returns false.
template <class Visit>
void forEachWindowOf(DWORD processId, HWND except, Visit visit) {
    struct Query {
        DWORD processId;
        HWND except;
        Visit& visit;
    } query{processId, except, visit};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* q = reinterpret_cast<Query*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != q->processId || window == q->except || !IsWindowVisible(window)) return TRUE;
            return q->visit(window) ? TRUE : FALSE;
        },
        reinterpret_cast<LPARAM>(&query));
}
}  // namespace

int countTopLevelWindows(DWORD processId, HWND except) {
    int count = 0;
    forEachWindowOf(processId, except, [&](HWND) { return ++count, true; });
    return count;
}

HWND otherWindow(DWORD processId, HWND except) {
    HWND found = nullptr;
    forEachWindowOf(processId, except, [&](HWND window) { return found = window, false; });
    return found;
}

MessageBoxSeen waitForMessageBox(DWORD processId, DWORD milliseconds) {
    struct Query {
        DWORD processId;
        MessageBoxSeen found;
    } query{processId, {}};
    waitUntil(
        [&] {
            EnumWindows(
                [](HWND window, LPARAM param) -> BOOL {
                    auto* q = reinterpret_cast<Query*>(param);
                    DWORD owner = 0;
                    GetWindowThreadProcessId(window, &owner);
                    wchar_t className[16] = {};
                    GetClassNameW(window, className, 16);
                    if (owner != q->processId || !IsWindowVisible(window) || std::wstring(className) != L"#32770")
                        return TRUE;
                    // The message is the longest static text of the box.
                    EnumChildWindows(
                        window,
                        [](HWND child, LPARAM p) -> BOOL {
                            auto* q = reinterpret_cast<Query*>(p);
                            wchar_t childClass[16] = {};
                            GetClassNameW(child, childClass, 16);
                            // An icon's "text" is its resource number, not a message.
                            if (_wcsicmp(childClass, L"Static") != 0 ||
                                (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
                                return TRUE;
                            wchar_t text[1024] = {};
                            GetWindowTextW(child, text, 1024);
                            if (wcslen(text) > q->found.text.size()) q->found.text = text;
                            return TRUE;
                        },
                        param);
                    // The gadget and the popups are dialogs too, without text (the About box has its icon).
                    if (q->found.text.empty()) return TRUE;
                    q->found.window = window;
                    return FALSE;
                },
                reinterpret_cast<LPARAM>(&query));
            return query.found.window != nullptr;
        },
        milliseconds);
    return query.found;
}

void answerMessageBox(const MessageBoxSeen& box) {
    if (box.window) PostMessageW(box.window, WM_COMMAND, IDOK, 0);
}

}  // namespace e2e
