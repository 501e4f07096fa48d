#pragma once
// Starts a private copy of ombrel.exe for one test: its own folder, its own file
// name and so its own registry key, a config.txt beside it, and settings preset
// before it starts. The destructor ends it and removes every trace.
#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

// The folder of the running test program, where ombrel.exe and config.txt are built.
std::wstring buildFolder();

class GadgetProcess {
public:
    // Copies ombrel.exe and config.txt from `sourceFolder` (the build folder by default).
    explicit GadgetProcess(const std::wstring& sourceFolder = buildFolder());
    ~GadgetProcess();
    GadgetProcess(const GadgetProcess&) = delete;
    GadgetProcess& operator=(const GadgetProcess&) = delete;

    // config.txt beside the copy: the shipped one unless a test writes its own.
    void writeConfig(const std::string& bytes);
    void removeConfig();
    void setSetting(const wchar_t* name, DWORD value);
    std::optional<DWORD> setting(const wchar_t* name) const;

    // Starts the copy and waits until its gadget window exists and has painted.
    bool start() { return launch() && waitForGadget(); }
    // The two halves of start(), for tests that answer a message box in between.
    bool launch();
    bool waitForGadget();
    // Waits only until the gadget window exists, not for its first paint.
    bool waitForWindow();
    // Starts one more process of the same copy; returns its handle.
    HANDLE startAnother() const;
    // The same, with its first thread suspended, so that several copies can be
    // let go at the same instant.
    PROCESS_INFORMATION startSuspended() const;
    const std::wstring& folder() const { return folder_; }
    HWND window() const { return window_; }
    RECT windowRect() const;
    DWORD processId() const { return info_.dwProcessId; }
    bool running() const;
    // Waits for the process to end; false on time-out.
    bool waitForExit(DWORD milliseconds) const;
    DWORD exitCode() const;
    // Ends it as a log-off would.
    void endSession();

    const std::wstring& exePath() const { return exePath_; }
    std::wstring registryKey() const;

private:
    std::wstring folder_;
    std::wstring name_;
    std::wstring exePath_;
    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

// Waits until `condition` holds, polling; false when `milliseconds` pass first.
template <class Condition>
bool waitUntil(Condition condition, DWORD milliseconds = 5000) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

// Gadget windows ("OmbrelMainWindow3") of any process.
int countGadgetWindows();

// Top-level visible windows of a process, other than `except`.
int countTopLevelWindows(DWORD processId, HWND except = nullptr);
// A visible top-level window of the process other than `except`, or null.
HWND otherWindow(DWORD processId, HWND except);

// A message box of the process: its window and its text.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring text;
};
MessageBoxSeen waitForMessageBox(DWORD processId, DWORD milliseconds = 5000);
// Presses the box's OK button.
void answerMessageBox(const MessageBoxSeen& box);

}  // namespace e2e
