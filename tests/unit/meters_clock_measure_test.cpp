#include <gtest/gtest.h>

#include <vector>

#include "common/case_name.h"
#include "meters/clock_measure.h"

namespace {

// Intervals in seconds handed out one pair of readings at a time: 0, d.
struct FakeTimer {
    std::vector<double> intervals;
    size_t reading = 0;
    int spins = 0;
    double now() {
        size_t run = reading / 2;
        double t = reading % 2 == 0 ? 0.0 : intervals.at(run);
        ++reading;
        return t;
    }
};

TEST(ClockMeasurement, ShortestOfThreeRunsWins) {
    // The middle run was interrupted and took twice as long; the others ran at 2 and 2.5 GHz.
    FakeTimer timer{{0.0005, 0.001, 0.0004}};
    double ghz = meters::measureClockGHz([&] { return timer.now(); }, [&] { ++timer.spins; });
    EXPECT_DOUBLE_EQ(ghz, 2.5);
    EXPECT_EQ(timer.spins, 3);
}

TEST(ClockMeasurement, NegativeIntervalRepeatsAllThree) {
    FakeTimer timer{{0.0001, -0.002, 0.0001, 0.001, 0.0008, 0.0005}};
    double ghz = meters::measureClockGHz([&] { return timer.now(); }, [&] { ++timer.spins; });
    EXPECT_DOUBLE_EQ(ghz, 2.0);  // from the second round only: the 0.0001 runs are discarded
    EXPECT_EQ(timer.spins, 6);
}

TEST(ClockMeasurement, CalibrationGivesCountsPerNanosecond) {
    // 100 ms at 10 MHz, 360 million counts: 3.6 GHz.
    meters::TscCalibration c{10000000, 5000000, 6000000, 1000, 1000 + 360000000};
    EXPECT_DOUBLE_EQ(meters::tscRateGHz(c), 3.6);
    EXPECT_DOUBLE_EQ(meters::tscRateOrFallback(c, 2.0), 3.6);
}

struct FailedCalibrationCase {
    const char* what;
    meters::TscCalibration calibration;
};

void PrintTo(const FailedCalibrationCase& c, std::ostream* os) { *os << c.what; }

class FailedCalibration : public testing::TestWithParam<FailedCalibrationCase> {};

TEST_P(FailedCalibration, FallsBackToTheBrandClockThenToTheAssumption) {
    const meters::TscCalibration& c = GetParam().calibration;
    EXPECT_EQ(meters::tscRateGHz(c), 0.0) << GetParam().what;
    EXPECT_EQ(meters::tscRateOrFallback(c, 3.2), 3.2) << GetParam().what;
    // No brand clock either: a fixed rate, never another measurement that would
    // need this very calibration.
    EXPECT_EQ(meters::tscRateOrFallback(c, 0.0), meters::ASSUMED_TSC_GHZ) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedCalibration,
    testing::Values(FailedCalibrationCase{"no performance counts elapsed", {10000000, 700, 700, 0, 5000}},
                    FailedCalibrationCase{"performance counter went back", {10000000, 700, 600, 0, 5000}},
                    FailedCalibrationCase{"no frequency", {0, 0, 1000000, 0, 5000}},
                    FailedCalibrationCase{"time-stamp counter stood still", {10000000, 0, 1000000, 42, 42}}),
    testing_names::ByWhat());

}  // namespace
