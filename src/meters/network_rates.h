#pragma once
// Network throughput: the largest receive and transmit rate over all interfaces
// since the previous tick, in units of 2^20 bits per second (shown as Mbps).
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "meters/meter_history.h"

namespace meters {

// One row of the interface table: an identifier that stays while the interface
// exists, and its cumulative octet counters.
struct InterfaceRow {
    uint64_t id;
    uint64_t inOctets, outOctets;
};

class NetworkRates {
public:
    // The counters of one interface at the previous tick, in bits.
    struct Ds {
        uint64_t inBits, outBits;
    };

    NetworkRates() : previous(103) {}

    // One tick: `read(rows)` fills the table and answers false when it could not
    // be read; then nothing is pushed and the kept counters stay as they were.
    template <class Reader>
    void sample(Reader read) {
        rows_.clear();
        if (read(rows_)) update(rows_);
    }

    // One tick over a table that was read. Interfaces seen for the first time
    // contribute nothing; their counters are kept for the next tick.
    void update(std::span<const InterfaceRow> rows);

    std::unordered_map<uint64_t, Ds> previous;
    SampleRing rx, tx;
    // Shared by rx and tx, which always advance together. A tick whose table could
    // not be read pushes nothing, so this index may lag behind the other meters'.
    std::atomic<int32_t> next{0};

    int32_t nextSlot() const { return next.load(std::memory_order_relaxed); }

private:
    // Kept between ticks so that reading the table allocates only when it grows.
    std::vector<InterfaceRow> rows_;
};

}  // namespace meters
