// The sampling timer across suspend and resume, counted by the samples it takes.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "common/case_name.h"
#include "meters/meter_timer.h"
#include "meters/meters.h"

namespace {

struct Ticks {
    int count;
    double seconds;
};

// Ticks during about `ms`, as the memory history's index moved, and the time that really passed.
Ticks ticksDuring(DWORD ms) {
    int32_t before = meters::Memory.history.nextSlot();
    DWORD start = GetTickCount();
    Sleep(ms);
    int count = (meters::Memory.history.nextSlot() - before + meters::HISTORY_SLOTS) % meters::HISTORY_SLOTS;
    return {count, (GetTickCount() - start) / 1000.0};
}

struct PowerCase {
    const char* what;
    std::vector<WPARAM> events;
    int timers;  // left running
};

void PrintTo(const PowerCase& c, std::ostream* os) { *os << c.what; }

class MeterTimerPower : public testing::TestWithParam<PowerCase> {};

TEST_P(MeterTimerPower, LeavesAtMostOneTimer) {
    const PowerCase& c = GetParam();
    uint32_t timer = meters::startMeterTimer(nullptr);
    ASSERT_NE(timer, 0u);
    for (WPARAM event : c.events) meters::onPowerEvent(timer, event, nullptr);
    Ticks ticks = ticksDuring(2600);
    meters::stopMeterTimer(timer);
    // One tick a second for each timer, give or take the one at either end.
    EXPECT_NEAR(ticks.count, c.timers * ticks.seconds, 1.0) << c.what << " over " << ticks.seconds << " s";
    // Stopped means stopped.
    EXPECT_EQ(ticksDuring(1300).count, 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Events, MeterTimerPower,
    testing::Values(PowerCase{"no event", {}, 1},
                    PowerCase{"suspend then resume", {PBT_APMSUSPEND, PBT_APMRESUMESUSPEND}, 1},
                    PowerCase{"resume without a suspend", {PBT_APMRESUMESUSPEND}, 1},
                    PowerCase{"two resumes", {PBT_APMRESUMESUSPEND, PBT_APMRESUMESUSPEND}, 1},
                    PowerCase{"suspend", {PBT_APMSUSPEND}, 0},
                    PowerCase{"automatic resume does not restart", {PBT_APMSUSPEND, PBT_APMRESUMEAUTOMATIC}, 0},
                    PowerCase{"other events change nothing", {PBT_APMPOWERSTATUSCHANGE}, 1}),
    testing_names::ByWhat());

// The window goes right after the timer stops, and the meters soon after, at
// exit. A stop that comes while a tick runs must return only once that tick has
// finished, and no tick may run after it.
TEST(MeterTimerStop, WaitsForARunningTickAndNoneRunsAfterIt) {
    for (int trial = 0; trial < 3; ++trial) {
        uint32_t timer = meters::startMeterTimer(nullptr);
        ASSERT_NE(timer, 0u);
        int32_t memory = meters::Memory.history.nextSlot(), network = meters::Network.nextSlot();
        // The memory step comes just before the network step: once it has moved, a tick is running.
        DWORD start = GetTickCount();
        while (meters::Memory.history.nextSlot() == memory) {
            if (GetTickCount() - start > 3000) break;
            YieldProcessor();
        }
        meters::stopMeterTimer(timer);
        ASSERT_NE(meters::Memory.history.nextSlot(), memory) << "no tick came";
        EXPECT_EQ(meters::Network.nextSlot(), meters::slotAfter(network)) << "the stop did not wait, trial " << trial;
        int32_t memoryAfter = meters::Memory.history.nextSlot(), networkAfter = meters::Network.nextSlot();
        Sleep(1300);
        EXPECT_EQ(meters::Memory.history.nextSlot(), memoryAfter) << trial;
        EXPECT_EQ(meters::Network.nextSlot(), networkAfter) << trial;
    }
}

TEST(MeterTick, EveryMeterTakesOneSample) {
    int32_t cpu = meters::Cpu.history.nextSlot(), disk = meters::Disk.history.nextSlot(),
            clock = meters::CpuClock.history.nextSlot(), memory = meters::Memory.history.nextSlot(),
            network = meters::Network.nextSlot();
    meters::sampleMeters();
    EXPECT_EQ(meters::Cpu.history.nextSlot(), meters::slotAfter(cpu));
    EXPECT_EQ(meters::Disk.history.nextSlot(), meters::slotAfter(disk));
    EXPECT_EQ(meters::CpuClock.history.nextSlot(), meters::slotAfter(clock));
    EXPECT_EQ(meters::Memory.history.nextSlot(), meters::slotAfter(memory));
    EXPECT_EQ(meters::Network.nextSlot(), meters::slotAfter(network));  // Wine reads the interface table
    // Real figures: some memory is in use, the clock runs, the disk meter has no counter here.
    EXPECT_GT(meters::Memory.history.newest(), 0.0);
    EXPECT_LT(meters::Memory.history.newest(), 100.0);
    EXPECT_GT(meters::Memory.usedBytes.load(), 0.0);
    EXPECT_GT(meters::CpuClock.currentGHz.load(), 0.5);
    EXPECT_GE(meters::Cpu.history.newest(), 0.0);
    EXPECT_LE(meters::Cpu.history.newest(), 100.0);
}

TEST(MeterTick, CpuFollowsABusyCore) {
    // Each sample covers the interval since the one before.
    meters::sampleMeters();
    std::atomic<bool> stop = false;
    HANDLE busy = CreateThread(
        nullptr, 0,
        [](LPVOID flag) -> DWORD {
            while (!static_cast<std::atomic<bool>*>(flag)->load(std::memory_order_relaxed)) {}
            return 0;
        },
        &stop, 0, nullptr);
    double highest = 0;
    for (int tick = 0; tick < 5; ++tick) {
        Sleep(1000);
        meters::sampleMeters();
        highest = std::max(highest, meters::Cpu.history.newest());
    }
    stop = true;
    WaitForSingleObject(busy, INFINITE);
    CloseHandle(busy);
    // One of the machine's cores was kept busy throughout.
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    EXPECT_GT(highest, 100.0 / info.dwNumberOfProcessors * 0.6) << "source " << static_cast<int>(meters::Cpu.source());
}

}  // namespace
