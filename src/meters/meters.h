#pragma once
// The five meters, one of each for the whole process. The timer's tick writes
// them; the panels read their histories and figures.
#include <windows.h>
#include <pdh.h>

#include <atomic>
#include <optional>

#include "meters/meter_figures.h"
#include "meters/meter_history.h"
#include "meters/network_rates.h"

namespace meters {

// One performance counter in a query of its own, with the raw value of the
// previous tick so that each tick yields the figure over the last interval.
class PdhCounter {
public:
    PdhCounter() = default;
    ~PdhCounter();
    PdhCounter(const PdhCounter&) = delete;
    PdhCounter& operator=(const PdhCounter&) = delete;

    // Opens the query and adds `path`, then reads a first raw value.
    // False when the counter does not exist here; the query stays open.
    bool open(const wchar_t* path);
    // The figure over the interval since the previous call, as the platform
    // calculates it; nullopt when it cannot be read or calculated, or when the
    // raw value has not moved at all (the counter gives no data).
    std::optional<double> nextValue();

private:
    PDH_HQUERY query_ = nullptr;
    PDH_HCOUNTER counter_ = nullptr;
    PDH_RAW_COUNTER previousRaw_{};
};

class CpuMeter {
public:
    CpuMeter();
    void update();
    CpuSource source() const { return choice_.source(); }

    MeterHistory history;

private:
    PdhCounter counter_;
    CpuSourceChoice choice_;
    SystemTimes previousTimes_{};
};

class DiskMeter {
public:
    DiskMeter();
    // 0 on every tick where the counter gives nothing (Wine has none).
    void update();

    MeterHistory history;

private:
    PdhCounter counter_;
};

class ClockMeter {
public:
    ClockMeter();
    void update();

    double ratedGHz;
    std::atomic<double> currentGHz{0.0};
    MeterHistory history;
};

class MemoryMeter {
public:
    void update();

    std::atomic<double> usedBytes{0.0};
    MeterHistory history;
};

class NetworkMeter : public NetworkRates {
public:
    // A table that cannot be read skips this tick.
    void update();
};

extern CpuMeter Cpu;
extern ClockMeter CpuClock;
extern DiskMeter Disk;
extern NetworkMeter Network;
extern MemoryMeter Memory;

// Steps 1 to 5 of a tick: every meter takes one sample.
void sampleMeters();

}  // namespace meters
