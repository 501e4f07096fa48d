// The processor clock measured for real.
#include <gtest/gtest.h>

#include <windows.h>

#include "meters/processor_clock.h"

namespace {

TEST(ProcessorClock, CurrentClockIsPlausibleAndQuickOnceCalibrated) {
    meters::nowSeconds();  // the first reading calibrates, busy-waiting 100 ms
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t0);
    double ghz = meters::currentClockGHz();
    QueryPerformanceCounter(&t1);
    EXPECT_GT(ghz, 0.5);
    EXPECT_LT(ghz, 10.0);
    // Three million cycles and six counter readings; a new calibration would take 100 ms.
    double ms = static_cast<double>(t1.QuadPart - t0.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
    EXPECT_LT(ms, 90.0);
}

TEST(ProcessorClock, RatedClockIsPlausibleAndTheSecondsAdvance) {
    double rated = meters::ratedClockGHz();
    EXPECT_GT(rated, 0.5);
    EXPECT_LT(rated, 10.0);
    double a = meters::nowSeconds();
    Sleep(50);
    double b = meters::nowSeconds();
    EXPECT_GT(b - a, 0.04);
    EXPECT_LT(b - a, 0.5);
}

}  // namespace
