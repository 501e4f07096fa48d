#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "common/case_name.h"
#include "meters/brand_clock.h"

namespace {

using meters::parseBrandClock;

// A brand tail holding `text` from byte 0, zero-filled after it.
std::array<uint8_t, 16> tailOf(const char* text) {
    std::array<uint8_t, 16> tail{};
    std::memcpy(tail.data(), text, std::min<size_t>(std::strlen(text), tail.size()));
    return tail;
}

struct BrandCase {
    const char* tail;
    double mhz;
};

void PrintTo(const BrandCase& c, std::ostream* os) { *os << '"' << c.tail << '"'; }

class BrandClock : public testing::TestWithParam<BrandCase> {};

TEST_P(BrandClock, ReadsTheClockAtTheEnd) {
    EXPECT_DOUBLE_EQ(parseBrandClock(tailOf(GetParam().tail)), GetParam().mhz);
}

INSTANTIATE_TEST_SUITE_P(Tails, BrandClock,
                         testing::Values(BrandCase{"CPU @ 3.20GHz", 3200}, BrandCase{"CPU 2400MHz", 2400},
                                         // both fractional digits of a MHz figure drop out
                                         BrandCase{"CPU @ 2.66MHz", 2}, BrandCase{"CPU @ 1.50THz", 1500000},
                                         // four places without a point read as a number whatever the unit
                                         BrandCase{"Ryzen 3600GHz", 3600},
                                         // the unit at byte 13 is the last place looked at: "45.2" read as digits
                                         BrandCase{"CPU @ 12345.2GHz", 4000 + 500 + ('.' - '0') * 10 + 2},
                                         // the unit at byte 3 is before the scan
                                         BrandCase{"999GHz", 0},
                                         // "GH" at bytes 14 and 15 leaves no room for the 'z'
                                         BrandCase{"CPU @ 1234567.GH", 0}, BrandCase{"AMD EPYC", 0}, BrandCase{"", 0}),
                         [](const testing::TestParamInfo<BrandCase>& info) {
                             return testing_names::identifier(std::string_view(info.param.tail));
                         });

TEST(BrandClock, SpacesBeforeTheDigitGiveNoPositiveClock) {
    // Three spaces then 3GHz: the spaces count as negative digits.
    EXPECT_LE(parseBrandClock(tailOf("CPU   3GHz")), 0.0);
}

TEST(BrandClock, ZeroFirstByteMeansNoBrand) {
    std::array<uint8_t, 16> tail = tailOf("XPU @ 3.20GHz");
    tail[0] = 0;
    EXPECT_EQ(parseBrandClock(tail), 0.0);
}

TEST(BrandClock, TailComesFromTheFourRegistersLittleEndian) {
    // "CPU @ 3.20GHz" as the processor returns it in EAX, EBX, ECX, EDX.
    std::array<uint32_t, 4> registers{0x20555043, 0x2E332040, 0x48473032, 0x0000007A};
    std::array<uint8_t, 16> tail = meters::brandTail(meters::BRAND_TAIL_LEAF, registers);
    EXPECT_EQ(std::memcmp(tail.data(), "CPU @ 3.20GHz\0\0", 16), 0);
    EXPECT_EQ(parseBrandClock(tail), 3200.0);
}

TEST(BrandClock, ProcessorWithoutTheBrandLeafNamesNoClock) {
    std::array<uint32_t, 4> registers{0x20555043, 0x2E332040, 0x48473032, 0x0000007A};
    std::array<uint8_t, 16> tail = meters::brandTail(meters::BRAND_TAIL_LEAF - 1, registers);
    EXPECT_EQ(tail, (std::array<uint8_t, 16>{}));
    EXPECT_EQ(parseBrandClock(tail), 0.0);
}

}  // namespace
