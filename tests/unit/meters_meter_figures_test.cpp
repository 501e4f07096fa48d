#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/case_name.h"
#include "meters/meter_figures.h"

namespace {

using meters::CpuSource;
using meters::CpuSourceChoice;

struct CpuCase {
    double counter, stored;
};

void PrintTo(const CpuCase& c, std::ostream* os) { *os << c.counter << " -> " << c.stored; }

class CpuPercent : public testing::TestWithParam<CpuCase> {};

TEST_P(CpuPercent, StoresAnythingNotBelowOneHundredAsOneHundred) {
    EXPECT_EQ(meters::cpuPercent(GetParam().counter), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Values, CpuPercent,
                         testing::Values(CpuCase{42.5, 42.5}, CpuCase{99.99, 99.99}, CpuCase{100.0, 100.0},
                                         CpuCase{100.7, 100.0},
                                         CpuCase{std::numeric_limits<double>::quiet_NaN(), 100.0}, CpuCase{0.0, 0.0}),
                         [](const testing::TestParamInfo<CpuCase>& info) {
                             return testing_names::numberName(info.param.counter);
                         });

TEST(Memory, UsedIsTotalMinusAvailable) {
    constexpr uint64_t GiB = 1ull << 30;
    meters::MemoryFigure m = meters::memoryFigure(8 * GiB, 2 * GiB);
    EXPECT_EQ(m.usedBytes, 6.0 * GiB);
    EXPECT_DOUBLE_EQ(m.percentUsed, 75.0);
}

TEST(Memory, UnreadStatusGivesZeroNotNaN) {
    meters::MemoryFigure m = meters::memoryFigure(0, 0);
    EXPECT_EQ(m.usedBytes, 0.0);
    EXPECT_EQ(m.percentUsed, 0.0);
}

TEST(SystemTimes, BusyShareOfTheInterval) {
    // Kernel time includes idle: 400 of 1000 units idle is 60 % busy.
    meters::SystemTimes before{1000, 5000, 7000}, after{1400, 5600, 7400};
    EXPECT_DOUBLE_EQ(meters::busyPercent(before, after), 60.0);
    EXPECT_EQ(meters::busyPercent(after, after), 0.0);
}

TEST(CpuSource, LiveCounterIsKept) {
    CpuSourceChoice choice(CpuSource::UtilityCounter);
    for (int tick = 0; tick < 10; ++tick) EXPECT_EQ(choice.choose(12.0, 30.0), 12.0);
    EXPECT_EQ(choice.source(), CpuSource::UtilityCounter);
}

TEST(CpuSource, IdleMachineReadingZeroKeepsTheCounter) {
    CpuSourceChoice choice(CpuSource::ProcessorTimeCounter);
    for (int tick = 0; tick < 10; ++tick) EXPECT_EQ(choice.choose(0.2, 3.0), 0.2);
    EXPECT_EQ(choice.source(), CpuSource::ProcessorTimeCounter);
}

TEST(CpuSource, CounterReadingNothingWhileBusyIsGivenUp) {
    // Wine's "% Processor Time" calculates to 0 or to a denormal such as 2.5e-323.
    for (double nothing : {0.0, 2.5e-323, 0.3, std::numeric_limits<double>::quiet_NaN()}) {
        CpuSourceChoice choice(CpuSource::ProcessorTimeCounter);
        // Every silent tick already shows the processor times' figure.
        for (int tick = 0; tick < CpuSourceChoice::SILENT_TICKS; ++tick)
            EXPECT_EQ(choice.choose(nothing, 55.0), 55.0) << nothing;
        EXPECT_EQ(choice.source(), CpuSource::SystemTimes) << nothing;
        // Given up for good, even if it reads something later.
        EXPECT_EQ(choice.choose(80.0, 20.0), 20.0) << nothing;
    }
}

TEST(CpuSource, OneSilentTickIsForgiven) {
    CpuSourceChoice choice(CpuSource::UtilityCounter);
    for (int round = 0; round < 5; ++round) {
        for (int tick = 1; tick < CpuSourceChoice::SILENT_TICKS; ++tick) EXPECT_EQ(choice.choose(0.0, 40.0), 40.0);
        EXPECT_EQ(choice.choose(35.0, 40.0), 35.0);
    }
    EXPECT_EQ(choice.source(), CpuSource::UtilityCounter);
}

TEST(CpuSource, FailingCounterIsGivenUpButOneFailureIsForgiven) {
    CpuSourceChoice choice(CpuSource::UtilityCounter);
    // The first calculation runs against a value read before any collection and may fail.
    EXPECT_EQ(choice.choose(std::nullopt, 7.0), 7.0);
    EXPECT_EQ(choice.choose(9.0, 7.0), 9.0);
    EXPECT_EQ(choice.source(), CpuSource::UtilityCounter);
    for (int tick = 0; tick < CpuSourceChoice::SILENT_TICKS; ++tick) choice.choose(std::nullopt, 7.0);
    EXPECT_EQ(choice.source(), CpuSource::SystemTimes);
}

TEST(ClockRatio, ClockAboveTheRatedOneIsNotClamped) {
    EXPECT_DOUBLE_EQ(meters::clockPercent(4.5, 3.6), 125.0);
    EXPECT_DOUBLE_EQ(meters::clockPercent(1.8, 3.6), 50.0);
}

}  // namespace
