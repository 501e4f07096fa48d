// ws2ipdef.h must come before iphlpapi.h, or the interface table types are missing.
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>

#include "meters/meters.h"
#include "meters/processor_clock.h"

namespace meters {

namespace {

constexpr wchar_t UTILITY_PATH[] = L"\\Processor Information(_Total)\\% Processor Utility";
constexpr wchar_t PROCESSOR_TIME_PATH[] = L"\\Processor(_Total)\\% Processor Time";
constexpr wchar_t DISK_TIME_PATH[] = L"\\PhysicalDisk(_Total)\\% Disk Time";

uint64_t fromFileTime(const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

SystemTimes readSystemTimes() {
    FILETIME idle{}, kernel{}, user{};
    GetSystemTimes(&idle, &kernel, &user);
    return {fromFileTime(idle), fromFileTime(kernel), fromFileTime(user)};
}

}  // namespace

PdhCounter::~PdhCounter() {
    if (query_) PdhCloseQuery(query_);
}

bool PdhCounter::open(const wchar_t* path) {
    if (!query_ && PdhOpenQueryW(nullptr, 0, &query_) != ERROR_SUCCESS) return false;
    // The English name works on every display language; on English systems it is the same call.
    if (PdhAddEnglishCounterW(query_, path, 0, &counter_) != ERROR_SUCCESS) {
        counter_ = nullptr;
        return false;
    }
    // Read before any collection: the first tick's figure is as good as the platform makes it.
    PdhGetRawCounterValue(counter_, nullptr, &previousRaw_);
    return true;
}

std::optional<double> PdhCounter::nextValue() {
    if (!counter_) return std::nullopt;
    PdhCollectQueryData(query_);
    PDH_RAW_COUNTER raw{};
    PdhGetRawCounterValue(counter_, nullptr, &raw);
    // A live counter's raw values move within a second, if only its time base.
    // Wine's "% Processor Time" hands back the same pair every time, and a
    // calculation over it yields garbage such as 2.5e-323.
    bool moved = raw.FirstValue != previousRaw_.FirstValue || raw.SecondValue != previousRaw_.SecondValue;
    PDH_FMT_COUNTERVALUE value{};
    PDH_STATUS status = PdhCalculateCounterFromRawValue(counter_, PDH_FMT_DOUBLE, &raw, &previousRaw_, &value);
    previousRaw_ = raw;
    if (status != ERROR_SUCCESS || !moved) return std::nullopt;
    return value.doubleValue;
}

CpuMeter::CpuMeter() : choice_(CpuSource::SystemTimes) {
    if (counter_.open(UTILITY_PATH))
        choice_ = CpuSourceChoice(CpuSource::UtilityCounter);
    else if (counter_.open(PROCESSOR_TIME_PATH))
        choice_ = CpuSourceChoice(CpuSource::ProcessorTimeCounter);
    previousTimes_ = readSystemTimes();
}

void CpuMeter::update() {
    // A counter given up for good is not collected any more.
    std::optional<double> counted = choice_.source() == CpuSource::SystemTimes ? std::nullopt : counter_.nextValue();
    SystemTimes now = readSystemTimes();
    double fromTimes = busyPercent(previousTimes_, now);
    previousTimes_ = now;
    history.push(cpuPercent(choice_.choose(counted, fromTimes)));
}

DiskMeter::DiskMeter() { counter_.open(DISK_TIME_PATH); }

void DiskMeter::update() { history.push(counter_.nextValue().value_or(0.0)); }

ClockMeter::ClockMeter() : ratedGHz(ratedClockGHz()) {}

void ClockMeter::update() {
    double ghz = currentClockGHz();
    currentGHz.store(ghz, std::memory_order_relaxed);
    history.push(clockPercent(ghz, ratedGHz));
}

void MemoryMeter::update() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    GlobalMemoryStatusEx(&status);
    MemoryFigure figure = memoryFigure(status.ullTotalPhys, status.ullAvailPhys);
    usedBytes.store(figure.usedBytes, std::memory_order_relaxed);
    history.push(figure.percentUsed);
}

void NetworkMeter::update() {
    sample([](std::vector<InterfaceRow>& rows) {
        MIB_IF_TABLE2* table = nullptr;
        if (GetIfTable2(&table) != NO_ERROR) return false;
        for (ULONG i = 0; i < table->NumEntries; ++i) {
            const MIB_IF_ROW2& row = table->Table[i];
            rows.push_back({row.InterfaceLuid.Value, row.InOctets, row.OutOctets});
        }
        FreeMibTable(table);
        return true;
    });
}

// Built in this order during static initialisation, before the application
// starts: the queries are open and the rated clock is known before the first tick.
CpuMeter Cpu;
ClockMeter CpuClock;
DiskMeter Disk;
NetworkMeter Network;
MemoryMeter Memory;

void sampleMeters() {
    Cpu.update();
    Disk.update();
    CpuClock.update();
    Memory.update();
    Network.update();
}

}  // namespace meters
