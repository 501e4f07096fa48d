// ombrel-probe PID: the GDI objects, handles, private bytes and processor time
// of a running process, as scripts print them.
#include <cstdio>
#include <cwchar>

#include "process_probe.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fwprintf(stderr, L"usage: ombrel-probe PID\n");
        return 2;
    }
    probe::ProcessSample s = probe::sampleProcess(static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)));
    if (s.gdiObjects < 0 && s.handles < 0) {
        std::fwprintf(stderr, L"ombrel-probe: cannot read process %ls\n", argv[1]);
        return 1;
    }
    std::printf("gdi=%ld handles=%ld private_kb=%lld cpu_ms=%lld\n", s.gdiObjects, s.handles, s.privateKb, s.cpuMs);
    return 0;
}
