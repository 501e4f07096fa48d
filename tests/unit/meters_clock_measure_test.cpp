#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "meters/brand_clock.h"
#include "meters/clock_measure.h"
#include "meters/meter_figures.h"

namespace {

using meters::parseBrandClock;

// A brand tail holding `text` from byte 0, zero-filled after it.
std::array<uint8_t, 16> tailOf(const char* text) {
    std::array<uint8_t, 16> tail{};
    std::memcpy(tail.data(), text, std::min<size_t>(std::strlen(text), tail.size()));
    return tail;
}

struct BrandCase {
    const char* tail;
    double mhz;
};

class BrandClock : public testing::TestWithParam<BrandCase> {};

TEST_P(BrandClock, ReadsTheClockAtTheEnd) { EXPECT_DOUBLE_EQ(parseBrandClock(tailOf(GetParam().tail)), GetParam().mhz); }

INSTANTIATE_TEST_SUITE_P(
    Tails, BrandClock,
    testing::Values(BrandCase{"CPU @ 3.20GHz", 3200},
                    BrandCase{"CPU 2400MHz", 2400},
                    // both fractional digits of a MHz figure drop out
                    BrandCase{"CPU @ 2.66MHz", 2},
                    BrandCase{"CPU @ 1.50THz", 1500000},
                    // four places without a point read as a number whatever the unit
                    BrandCase{"Ryzen 3600GHz", 3600},
                    // the unit at byte 13 is the last place looked at: "45.2" read as digits
                    BrandCase{"CPU @ 12345.2GHz", 4000 + 500 + ('.' - '0') * 10 + 2},
                    // the unit at byte 3 is before the scan
                    BrandCase{"999GHz", 0},
                    // "GH" at bytes 14 and 15 leaves no room for the 'z'
                    BrandCase{"CPU @ 1234567.GH", 0},
                    BrandCase{"AMD EPYC", 0},
                    BrandCase{"", 0}));

TEST(BrandClock, SpacesBeforeTheDigitGiveNoPositiveClock) {
    // Three spaces then 3GHz: the spaces count as negative digits.
    EXPECT_LE(parseBrandClock(tailOf("CPU   3GHz")), 0.0);
}

TEST(BrandClock, ZeroFirstByteMeansNoBrand) {
    std::array<uint8_t, 16> tail = tailOf("XPU @ 3.20GHz");
    tail[0] = 0;
    EXPECT_EQ(parseBrandClock(tail), 0.0);
}

TEST(BrandClock, TailComesFromTheFourRegistersLittleEndian) {
    // "CPU @ 3.20GHz" as the processor returns it in EAX, EBX, ECX, EDX.
    std::array<uint32_t, 4> registers{0x20555043, 0x2E332040, 0x48473032, 0x0000007A};
    std::array<uint8_t, 16> tail = meters::brandTail(meters::BRAND_TAIL_LEAF, registers);
    EXPECT_EQ(std::memcmp(tail.data(), "CPU @ 3.20GHz\0\0", 16), 0);
    EXPECT_EQ(parseBrandClock(tail), 3200.0);
}

TEST(BrandClock, ProcessorWithoutTheBrandLeafNamesNoClock) {
    std::array<uint32_t, 4> registers{0x20555043, 0x2E332040, 0x48473032, 0x0000007A};
    std::array<uint8_t, 16> tail = meters::brandTail(meters::BRAND_TAIL_LEAF - 1, registers);
    EXPECT_EQ(tail, (std::array<uint8_t, 16>{}));
    EXPECT_EQ(parseBrandClock(tail), 0.0);
}

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
                    FailedCalibrationCase{"time-stamp counter stood still", {10000000, 0, 1000000, 42, 42}}));

TEST(ClockRatio, ClockAboveTheRatedOneIsNotClamped) {
    EXPECT_DOUBLE_EQ(meters::clockPercent(4.5, 3.6), 125.0);
    EXPECT_DOUBLE_EQ(meters::clockPercent(1.8, 3.6), 50.0);
}

}  // namespace
