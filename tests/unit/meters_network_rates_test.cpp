#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "meters/meter_graph.h"
#include "meters/network_rates.h"

namespace {

using meters::InterfaceRow;
using meters::NetworkRates;

constexpr uint64_t MEBIBIT_OCTETS = (1u << 20) / 8;  // octets in 2^20 bits

void tick(NetworkRates& n, std::vector<InterfaceRow> rows) { n.update(rows); }

TEST(Network, FirstTickPushesZeros) {
    NetworkRates n;
    tick(n, {{1, 5000000, 7000000}, {2, 1, 2}});
    EXPECT_EQ(n.rx.newest(), 0.0);
    EXPECT_EQ(n.tx.newest(), 0.0);
    EXPECT_EQ(n.nextSlot(), 1);
    EXPECT_EQ(n.previous.size(), 2u);
}

TEST(Network, RateIsTheLargestInterfaceNotTheSum) {
    NetworkRates n;
    tick(n, {{1, 0, 0}, {2, 100, 100}});
    tick(n, {{1, 10 * MEBIBIT_OCTETS, 1 * MEBIBIT_OCTETS}, {2, 100 + 3 * MEBIBIT_OCTETS, 100 + 4 * MEBIBIT_OCTETS}});
    EXPECT_EQ(n.rx.newest(), 10.0);
    EXPECT_EQ(n.tx.newest(), 4.0);
    EXPECT_EQ(n.rx.sample(1), 10.0);
    EXPECT_EQ(n.tx.sample(1), 4.0);
}

TEST(Network, OneMillionOctetsShowAs763) {
    NetworkRates n;
    tick(n, {{9, 0, 0}});
    tick(n, {{9, 1000000, 0}});
    EXPECT_NEAR(n.rx.newest(), 7.6294, 1e-4);
    EXPECT_EQ(meters::formatFigure("%8.2f", n.rx.newest()), L"    7.63");
}

TEST(Network, EmptyTablePushesZerosAndMovesOn) {
    NetworkRates n;
    tick(n, {{1, 0, 0}});
    tick(n, {{1, 2 * MEBIBIT_OCTETS, 0}});
    tick(n, {});
    EXPECT_EQ(n.rx.newest(), 0.0);
    EXPECT_EQ(n.rx.sample(1), 2.0);
    EXPECT_EQ(n.nextSlot(), 3);
}

TEST(Network, InterfaceThatReturnsIsComparedWithItsLastCounters) {
    NetworkRates n;
    tick(n, {{1, 0, 0}, {2, 0, 0}});
    tick(n, {{2, 0, 0}});  // 1 vanished
    tick(n, {{1, 5 * MEBIBIT_OCTETS, 6 * MEBIBIT_OCTETS}, {2, 0, 0}});
    EXPECT_EQ(n.rx.newest(), 5.0);
    EXPECT_EQ(n.tx.newest(), 6.0);
}

// A counter below the kept one is a reset of that direction alone: it gives no
// huge rate, and the other direction of the same interface still counts.
TEST(Network, ACounterThatWentDownIsAResetOfThatDirectionOnly) {
    constexpr uint64_t M = MEBIBIT_OCTETS;
    struct Case {
        const char* what;
        InterfaceRow before, after;
        double rx, tx;
    } cases[] = {
        {"receive reset", {1, 900 * M, 900 * M}, {1, 10, 950 * M}, 0.0, 50.0},
        {"transmit reset", {1, 900 * M, 900 * M}, {1, 905 * M, 7}, 5.0, 0.0},
        {"both reset", {1, 900 * M, 900 * M}, {1, 10, 7}, 0.0, 0.0},
        {"neither", {1, 900 * M, 900 * M}, {1, 901 * M, 902 * M}, 1.0, 2.0},
    };
    for (const Case& c : cases) {
        NetworkRates n;
        // A second interface moves 3 units each way, so a reset cannot show as zero by chance.
        tick(n, {c.before, {2, 0, 0}});
        tick(n, {c.after, {2, 3 * M, 3 * M}});
        EXPECT_EQ(n.rx.newest(), std::max(c.rx, 3.0)) << c.what;
        EXPECT_EQ(n.tx.newest(), std::max(c.tx, 3.0)) << c.what;
        // The new counters are kept in both directions: the next tick measures from them.
        tick(n, {{1, c.after.inOctets + 20 * M, c.after.outOctets + 10 * M}, {2, 3 * M, 3 * M}});
        EXPECT_EQ(n.rx.newest(), 20.0) << c.what;
        EXPECT_EQ(n.tx.newest(), 10.0) << c.what;
    }
}

TEST(Network, FailedReadPushesNothingAndKeepsTheCounters) {
    NetworkRates n;
    tick(n, {{1, 0, 0}});
    tick(n, {{1, MEBIBIT_OCTETS, 0}});
    n.sample([](std::vector<InterfaceRow>&) { return false; });
    EXPECT_EQ(n.nextSlot(), 2);
    EXPECT_EQ(n.rx.newest(), 1.0);
    // The next good read spans both intervals.
    n.sample([](std::vector<InterfaceRow>& rows) {
        rows.push_back({1, 4 * MEBIBIT_OCTETS, 0});
        return true;
    });
    EXPECT_EQ(n.nextSlot(), 3);
    EXPECT_EQ(n.rx.newest(), 3.0);
}

TEST(Network, RxAndTxAdvanceTogetherAndWrap) {
    NetworkRates n;
    for (int i = 0; i < 33; ++i) tick(n, {{1, static_cast<uint64_t>(i) * MEBIBIT_OCTETS, 0}});
    EXPECT_EQ(n.nextSlot(), 1);
    EXPECT_EQ(n.rx.sample(0), 1.0);  // the 33rd sample
    EXPECT_EQ(n.tx.sample(0), 0.0);
}

}  // namespace
