#include <gtest/gtest.h>

#include <thread>

#include "meters/meter_history.h"

namespace {

using meters::HISTORY_SLOTS;
using meters::MeterHistory;

TEST(MeterHistory, StartsAtZero) {
    MeterHistory h;
    EXPECT_EQ(h.nextSlot(), 0);
    EXPECT_EQ(h.newest(), 0.0);
    for (int32_t s = 0; s < HISTORY_SLOTS; ++s) EXPECT_EQ(h.sample(s), 0.0) << s;
}

TEST(MeterHistory, ThirtyThirdSampleOverwritesSlotZero) {
    MeterHistory h;
    for (int i = 1; i <= 32; ++i) {
        h.push(i);
        EXPECT_EQ(h.nextSlot(), i % 32) << "after sample " << i;
    }
    EXPECT_EQ(h.sample(31), 32.0);
    h.push(33);
    EXPECT_EQ(h.sample(0), 33.0);
    EXPECT_EQ(h.sample(1), 2.0);
    EXPECT_EQ(h.nextSlot(), 1);
    EXPECT_EQ(h.newest(), 33.0);
}

// The tick writes while the paint reads. Built with OMBREL_SANITIZE=thread this
// shows any unsynchronised access; in every build a torn or invented value, or a
// newest value going back in time, fails the checks.
TEST(MeterHistory, ReaderSeesOnlyWrittenValuesWhileAWriterPushes) {
    MeterHistory h;
    constexpr int pushes = 200000;
    std::thread writer([&] {
        for (int i = 1; i <= pushes; ++i) h.push(static_cast<double>(i) + 0.25);
    });
    double lastNewest = 0;
    int bad = 0;
    for (int round = 0; round < 20000; ++round) {
        double newest = h.newest();
        if (newest < lastNewest) ++bad;
        lastNewest = newest;
        int32_t next = h.nextSlot();
        if (next < 0 || next >= HISTORY_SLOTS) ++bad;
        for (int32_t s = 0; s < HISTORY_SLOTS; ++s) {
            // Sample i (counting from 1) lands in slot (i - 1) mod 32.
            double v = h.sample(s);
            auto i = static_cast<int64_t>(v);
            if (v != 0.0 && (v - static_cast<double>(i) != 0.25 || i > pushes || (i - 1) % HISTORY_SLOTS != s)) ++bad;
        }
    }
    writer.join();
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(h.newest(), pushes + 0.25);
    EXPECT_EQ(h.nextSlot(), pushes % HISTORY_SLOTS);
}

}  // namespace
