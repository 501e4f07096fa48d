#pragma once
// The arithmetic of one tick, on plain figures: what the platform readers hand over
// becomes the sample that each history receives.
#include <cstdint>
#include <optional>

namespace meters {

// Processor utility: anything not below 100 (including NaN) is 100.
double cpuPercent(double counterValue);

// The current clock as a percentage of the rated one, unclamped.
double clockPercent(double currentGHz, double ratedGHz);

struct MemoryFigure {
    double usedBytes;
    double percentUsed;
};
// Total minus available over total; a total of 0 (the status was not read) gives 0 %.
MemoryFigure memoryFigure(uint64_t totalBytes, uint64_t availableBytes);

// Cumulative processor times of all processors, in 100 ns units; kernel time
// includes idle time, as the platform reports it.
struct SystemTimes {
    uint64_t idle, kernel, user;
};
// The busy share of the interval between two readings, in percent; 0 for an empty interval.
double busyPercent(const SystemTimes& before, const SystemTimes& after);

// Where the processor figure comes from. The utility counter is the one to want;
// "% Processor Time" stands in where it cannot be added; the system's processor
// times are used where neither gives data (Wine adds the second and reads 0 forever).
enum class CpuSource { UtilityCounter, ProcessorTimeCounter, SystemTimes };

class CpuSourceChoice {
public:
    explicit CpuSourceChoice(CpuSource start) : source_(start) {}

    // The figure of this tick: the counter's value (nullopt when it could not be
    // read or calculated) while the counter gives data, else the system times'.
    // A counter that fails, or reads next to nothing while the system times show
    // the processors busy, is silent; silent for SILENT_TICKS ticks in a row, it
    // is given up for the rest of the run.
    double choose(std::optional<double> counterValue, double systemTimesValue);
    CpuSource source() const { return source_; }

    static constexpr int SILENT_TICKS = 3;
    static constexpr double NOTHING_BELOW = 0.5;  // percent: shows as 0
    static constexpr double BUSY_PERCENT = 5.0;

private:
    CpuSource source_;
    int silentTicks_ = 0;
};

}  // namespace meters
