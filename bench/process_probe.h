#pragma once
// What a running process holds, from sources that are true under Wine, where
// GetGuiResources, GetProcessHandleCount and GetProcessTimes are not.
#include <windows.h>

namespace probe {

struct ProcessSample {
    long gdiObjects = -1;
    long handles = -1;
    long long privateKb = -1;
    long long cpuMs = -1;
};

// -1 in a field that could not be read.
ProcessSample sampleProcess(DWORD processId);

}  // namespace probe
