// What a running process holds, from sources that are true under Wine, where
// GetGuiResources, GetProcessHandleCount and GetProcessTimes are not:
// - GDI objects: the process's own GDI handle table, found through its PEB;
// - handles: the system's handle list;
// - private bytes and processor time: the system's process list.
#include "process_probe.h"

#include <winternl.h>

#include <cstdint>
#include <vector>

namespace probe {

namespace {

// One entry of the GDI handle table: a live object has a non-zero type.
struct GdiHandleEntry {
    uint64_t object;
    uint32_t owner;
    uint16_t unique;
    uint8_t type;
    uint8_t flags;
    uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);
constexpr size_t GDI_TABLE_ENTRIES = 65536;
constexpr size_t PEB_GDI_TABLE_OFFSET = 0xF8;

long gdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
    uint64_t table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const uint8_t*>(basic.PebBaseAddress) + PEB_GDI_TABLE_OFFSET,
                           &table, sizeof table, &read) ||
        !table)
        return -1;
    std::vector<GdiHandleEntry> entries(GDI_TABLE_ENTRIES);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(GdiHandleEntry), &read))
        return -1;
    long count = 0;
    for (const GdiHandleEntry& e : entries) count += e.type != 0;
    return count;
}

// The system's handle list: one row per open handle of every process.
struct HandleRow {
    ULONG processId;
    UCHAR objectType;
    UCHAR flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleList {
    ULONG count;
    HandleRow rows[1];
};
constexpr SYSTEM_INFORMATION_CLASS SYSTEM_HANDLE_INFORMATION = static_cast<SYSTEM_INFORMATION_CLASS>(16);

template <class Fill>
std::vector<uint8_t> querySystem(Fill fill) {
    std::vector<uint8_t> buffer(1 << 20);
    for (;;) {
        ULONG needed = 0;
        NTSTATUS status = fill(buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0) return buffer;
        if (buffer.size() > (256u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
}

long handles(DWORD processId) {
    std::vector<uint8_t> buffer = querySystem([](void* data, ULONG size, ULONG* needed) {
        return NtQuerySystemInformation(SYSTEM_HANDLE_INFORMATION, data, size, needed);
    });
    if (buffer.empty()) return -1;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    long count = 0;
    for (ULONG i = 0; i < list->count; ++i) count += list->rows[i].processId == processId;
    return count;
}

// Private bytes and processor time from the system's process list.
void processFigures(DWORD processId, ProcessSample& sample) {
    std::vector<uint8_t> buffer = querySystem([](void* data, ULONG size, ULONG* needed) {
        return NtQuerySystemInformation(SystemProcessInformation, data, size, needed);
    });
    for (size_t offset = 0; !buffer.empty();) {
        const auto* p = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
        if (reinterpret_cast<uintptr_t>(p->UniqueProcessId) == processId) {
            sample.privateKb = static_cast<long long>(p->VirtualMemoryCounters.PagefileUsage / 1024);
            sample.cpuMs = (p->UserTime.QuadPart + p->KernelTime.QuadPart) / 10000;  // from 100 ns
            break;
        }
        if (!p->NextEntryOffset) break;
        offset += p->NextEntryOffset;
    }
}

}  // namespace

ProcessSample sampleProcess(DWORD processId) {
    ProcessSample sample;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return sample;
    sample.gdiObjects = gdiObjects(process);
    sample.handles = handles(processId);
    processFigures(processId, sample);
    CloseHandle(process);
    return sample;
}

}  // namespace probe
