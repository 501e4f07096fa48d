#include "meters/network_rates.h"

#include <algorithm>

namespace meters {

namespace {
constexpr double BITS_TO_MBPS = 1.0 / 1048576.0;
}

void NetworkRates::update(std::span<const InterfaceRow> rows) {
    double rxRate = 0.0, txRate = 0.0;
    for (const InterfaceRow& row : rows) {
        uint64_t in = row.inOctets * 8, out = row.outOctets * 8;
        auto [entry, isNew] = previous.try_emplace(row.id, Ds{in, out});
        if (!isNew) {
            Ds& kept = entry->second;
            // A counter below the kept one means the interface reset it: that
            // direction's difference is meaningless and contributes nothing this
            // tick, while the other direction still counts.
            if (in >= kept.inBits) rxRate = std::max(rxRate, static_cast<double>(in - kept.inBits) * BITS_TO_MBPS);
            if (out >= kept.outBits) txRate = std::max(txRate, static_cast<double>(out - kept.outBits) * BITS_TO_MBPS);
            kept = Ds{in, out};
        }
    }
    int32_t slot = next.load(std::memory_order_relaxed);
    rx.write(slot, rxRate);
    tx.write(slot, txRate);
    next.store(slotAfter(slot), std::memory_order_relaxed);
}

}  // namespace meters
