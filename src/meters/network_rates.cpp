#include "meters/network_rates.h"

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
            // A counter below the kept one means the interface reset its counters:
            // the difference is meaningless, so it contributes nothing this tick.
            if (in >= kept.inBits && out >= kept.outBits) {
                double din = static_cast<double>(in - kept.inBits) * BITS_TO_MBPS;
                double dout = static_cast<double>(out - kept.outBits) * BITS_TO_MBPS;
                if (din > rxRate) rxRate = din;
                if (dout > txRate) txRate = dout;
            }
            kept = Ds{in, out};
        }
    }
    int32_t slot = next.load(std::memory_order_relaxed);
    rx.write(slot, rxRate);
    tx.write(slot, txRate);
    next.store(slotAfter(slot), std::memory_order_relaxed);
}

}  // namespace meters
