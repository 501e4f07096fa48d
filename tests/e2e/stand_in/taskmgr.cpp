// Stands in for a taskmgr.exe left in a downloads folder or an unpacked zip. If
// it ever runs, it leaves a marker file beside itself and in its current folder.
#include <windows.h>

#include <string>

namespace {

void leaveMarker(const std::wstring& folder) {
    HANDLE file = CreateFileW((folder + L"\\stand-in-ran.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace

int wmain() {
    wchar_t path[MAX_PATH] = {};
    std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    leaveMarker(self.substr(0, self.find_last_of(L'\\')));
    wchar_t current[MAX_PATH] = {};
    leaveMarker(std::wstring(current, GetCurrentDirectoryW(MAX_PATH, current)));
    return 0;
}
