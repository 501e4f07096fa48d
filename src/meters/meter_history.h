#pragma once
// The recent samples of one meter: the newest value and a ring of the last 32.
// The tick thread writes them while the paint reads them without a lock, so every
// field is a relaxed atomic: plain loads and stores on x86-64, yet free of races.
#include <array>
#include <atomic>
#include <cstdint>

namespace meters {

constexpr int32_t HISTORY_SLOTS = 32;

// The slot after `slot`, wrapping from the last back to the first.
constexpr int32_t slotAfter(int32_t slot) { return slot + 1 > HISTORY_SLOTS - 1 ? 0 : slot + 1; }

// A ring without its own index: the network's two rings share one.
struct SampleRing {
    std::atomic<double> current{0.0};
    std::array<std::atomic<double>, HISTORY_SLOTS> samples{};

    void write(int32_t slot, double value) {
        samples[slot].store(value, std::memory_order_relaxed);
        current.store(value, std::memory_order_relaxed);
    }
    double sample(int32_t slot) const { return samples[slot].load(std::memory_order_relaxed); }
    double newest() const { return current.load(std::memory_order_relaxed); }
};

struct MeterHistory : SampleRing {
    // The slot the next sample overwrites; the newest sample sits just before it.
    std::atomic<int32_t> next{0};

    void push(double value) {
        int32_t slot = next.load(std::memory_order_relaxed);
        write(slot, value);
        next.store(slotAfter(slot), std::memory_order_relaxed);
    }
    int32_t nextSlot() const { return next.load(std::memory_order_relaxed); }
};

}  // namespace meters
