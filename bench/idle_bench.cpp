// ombrel-idle SECONDS PROGRAM: starts PROGRAM, lets it settle, then measures what
// it costs over SECONDS with the mouse still: processor time as a percentage of
// one core, private memory, GDI objects and handles at the start and the end.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "process_probe.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: ombrel-idle SECONDS PROGRAM\n");
        return 2;
    }
    const DWORD seconds = static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + std::wstring(argv[2]) + L"\"";
    if (!CreateProcessW(argv[2], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::fwprintf(stderr, L"ombrel-idle: cannot start %ls\n", argv[2]);
        return 1;
    }
    WaitForInputIdle(info.hProcess, 10000);
    Sleep(5000);  // start-up, the first paints, the clock calibration
    probe::ProcessSample first = probe::sampleProcess(info.dwProcessId);
    Sleep(seconds * 1000);
    probe::ProcessSample last = probe::sampleProcess(info.dwProcessId);
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);

    double cpuPercent = static_cast<double>(last.cpuMs - first.cpuMs) * 100.0 / (seconds * 1000.0);
    std::printf(
        "cpu_percent=%.3f private_kb_start=%lld private_kb_end=%lld gdi_start=%ld gdi_end=%ld "
        "handles_start=%ld handles_end=%ld\n",
        cpuPercent, first.privateKb, last.privateKb, first.gdiObjects, last.gdiObjects, first.handles, last.handles);
    return 0;
}
