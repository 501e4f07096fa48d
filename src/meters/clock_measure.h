#pragma once
// The arithmetic of the clock measurement: the time-stamp counter's rate from a
// calibration against the performance counter, and the core clock from timed
// chains of one million one-cycle steps.
#include <cstdint>

namespace meters {

// What the calibration read: the performance counter's frequency and two counts
// around a wait of 100 ms, and the time-stamp counter at the same two moments.
struct TscCalibration {
    int64_t frequency;
    int64_t countStart, countEnd;
    uint64_t tscStart, tscEnd;
};

// When the calibration fails and the brand string names no clock, the counter is
// taken to run at 1 GHz. The clock meter then still follows the core clock
// against the clock measured at start; only its GHz figure is off by the ratio
// of the true counter rate to this one.
constexpr double ASSUMED_TSC_GHZ = 1.0;

// The counter's counts per nanosecond, or 0 when no performance counts elapsed,
// the frequency is 0 or the time-stamp counter did not move.
double tscRateGHz(const TscCalibration& c);

// The rate to use: the calibrated one, else the brand clock, else the assumption.
double tscRateOrFallback(const TscCalibration& c, double brandGHz);

// One million cycles in the shortest of three runs of the chain, in GHz. A run
// that the system interrupted is simply longer and loses; a negative interval
// (readings from two processors, or a counter going back) makes all three
// runs start again.
template <class Now, class Spin>
double measureClockGHz(Now nowSeconds, Spin spinMillion) {
    double d[3];
    bool negative;
    do {
        negative = false;
        for (double& interval : d) {
            double a = nowSeconds();
            spinMillion();
            double b = nowSeconds();
            interval = b - a;
            if (interval < 0) negative = true;
        }
    } while (negative);
    double shortest = d[1] < d[0] ? d[1] : d[0];
    if (d[2] < shortest) shortest = d[2];
    return (1000000.0 / shortest) * 1e-9;
}

}  // namespace meters
