#include "meters/meter_figures.h"

namespace meters {

double cpuPercent(double counterValue) { return counterValue < 100.0 ? counterValue : 100.0; }

double clockPercent(double currentGHz, double ratedGHz) { return currentGHz * 100.0 / ratedGHz; }

MemoryFigure memoryFigure(uint64_t totalBytes, uint64_t availableBytes) {
    double used = static_cast<double>(totalBytes - availableBytes);
    if (totalBytes == 0) return {used, 0};
    return {used, used * 100.0 / static_cast<double>(totalBytes)};
}

double busyPercent(const SystemTimes& before, const SystemTimes& after) {
    double idle = static_cast<double>(after.idle - before.idle);
    double total = static_cast<double>((after.kernel - before.kernel) + (after.user - before.user));
    if (total <= 0) return 0;
    return (total - idle) * 100.0 / total;
}

double CpuSourceChoice::choose(std::optional<double> counterValue, double systemTimesValue) {
    if (source_ == CpuSource::SystemTimes) return systemTimesValue;
    // Written so that a NaN reading counts as nothing.
    bool silent = !counterValue || (!(*counterValue >= NOTHING_BELOW) && systemTimesValue >= BUSY_PERCENT);
    if (!silent) {
        silentTicks_ = 0;
        return *counterValue;
    }
    if (++silentTicks_ >= SILENT_TICKS) source_ = CpuSource::SystemTimes;
    return systemTimesValue;
}

}  // namespace meters
