#include "meters/processor_clock.h"

#include <windows.h>
#include <cpuid.h>

#include <atomic>
#include <ctime>

#include "meters/brand_clock.h"
#include "meters/clock_measure.h"

namespace meters {

namespace {

// -1 until the first nowSeconds() calibrates it. Set once, on the main thread
// at start or on the first tick, and only read after that.
std::atomic<double> tscGHz{-1.0};

// CPUID leaf 0 first, so that no earlier instruction is still in flight when
// the counter is read.
uint64_t serialisedTsc() {
    uint32_t low, high;
    asm volatile(
        "xor %%eax, %%eax\n\t"
        "cpuid\n\t"
        "rdtsc"
        : "=a"(low), "=d"(high)
        :
        : "rbx", "rcx", "memory");
    return (static_cast<uint64_t>(high) << 32) | low;
}

}  // namespace

double parseBrandClock() {
    uint32_t highest = __get_cpuid_max(0x80000000, nullptr);
    std::array<uint32_t, 4> registers{};
    if (highest >= BRAND_TAIL_LEAF) __cpuid(BRAND_TAIL_LEAF, registers[0], registers[1], registers[2], registers[3]);
    return parseBrandClock(brandTail(highest, registers));
}

double calibrateTsc() {
    LARGE_INTEGER frequency{}, countStart{}, countEnd{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&countStart);
    uint64_t tscStart = serialisedTsc();
    std::clock_t start = std::clock();
    while (static_cast<double>(std::clock()) - static_cast<double>(start) < 100.0 * CLOCKS_PER_SEC / 1000) {}
    QueryPerformanceCounter(&countEnd);
    uint64_t tscEnd = serialisedTsc();
    // A failed calibration must not ask for a measured clock: that measurement
    // needs this very rate. The brand clock or a fixed rate stands in.
    double brandMHz = parseBrandClock();
    return tscRateOrFallback({frequency.QuadPart, countStart.QuadPart, countEnd.QuadPart, tscStart, tscEnd},
                             brandMHz > 0 ? brandMHz * 0.001 : 0);
}

double nowSeconds() {
    if (tscGHz.load(std::memory_order_relaxed) == -1.0) tscGHz.store(calibrateTsc(), std::memory_order_relaxed);
    return static_cast<double>(serialisedTsc()) / (tscGHz.load(std::memory_order_relaxed) / 1e-9);
}

void spinMillion() {
    uint32_t counter = 1000000;
    serialisedTsc();
    // Each dec waits for the one before: one cycle each, a thousand in a row
    // between two tests of the counter. Being assembly, no compiler can fold,
    // shorten or vectorise the chain.
    asm volatile(
        "1:\n\t"
        ".rept 1000\n\t"
        "dec %0\n\t"
        ".endr\n\t"
        "jnz 1b"
        : "+r"(counter)
        :
        : "cc");
}

double currentClockGHz() { return measureClockGHz(nowSeconds, spinMillion); }

double ratedClockGHz() {
    double mhz = parseBrandClock();
    return mhz > 0 ? mhz * 0.001 : currentClockGHz();
}

}  // namespace meters
