#include "meters/clock_measure.h"

namespace meters {

double tscRateGHz(const TscCalibration& c) {
    double counts = static_cast<double>(c.countEnd - c.countStart);
    if (counts < 0.0001 || c.frequency == 0 || c.tscEnd == c.tscStart) return 0;
    double seconds = counts / static_cast<double>(c.frequency);
    return static_cast<double>(c.tscEnd - c.tscStart) / seconds * 1e-9;
}

double tscRateOrFallback(const TscCalibration& c, double brandGHz) {
    double rate = tscRateGHz(c);
    if (rate > 0) return rate;
    return brandGHz > 0 ? brandGHz : ASSUMED_TSC_GHZ;
}

}  // namespace meters
