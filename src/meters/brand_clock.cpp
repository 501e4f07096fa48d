#include "meters/brand_clock.h"

namespace meters {

std::array<uint8_t, 16> brandTail(uint32_t highestExtendedLeaf, const std::array<uint32_t, 4>& tailRegisters) {
    std::array<uint8_t, 16> tail{};
    if (highestExtendedLeaf < BRAND_TAIL_LEAF) return tail;
    for (size_t r = 0; r < tailRegisters.size(); ++r)
        for (size_t b = 0; b < 4; ++b) tail[r * 4 + b] = static_cast<uint8_t>(tailRegisters[r] >> (8 * b));
    return tail;
}

double parseBrandClock(const std::array<uint8_t, 16>& tail) {
    if (tail[0] == 0) return 0;
    size_t unit = 0;
    double multiplier = 0;
    for (size_t i = 4; i <= 13 && multiplier == 0; ++i) {
        if (tail[i + 1] != 'H' || tail[i + 2] != 'z') continue;
        switch (tail[i]) {
            case 'M': multiplier = 1; break;
            case 'G': multiplier = 1000; break;
            case 'T': multiplier = 1000000; break;
            default: continue;
        }
        unit = i;
    }
    if (multiplier == 0) return 0;
    // Bytes are taken as signed characters, so a stray byte gives a negative "digit".
    auto digit = [&](size_t j) { return static_cast<double>(static_cast<signed char>(tail[j]) - '0'); };
    if (tail[unit - 3] == '.') {
        // Integer steps: for MHz both fractional digits drop out.
        auto m = static_cast<int64_t>(multiplier);
        return digit(unit - 4) * multiplier + digit(unit - 2) * static_cast<double>(m / 10) +
               digit(unit - 1) * static_cast<double>(m / 100);
    }
    return digit(unit - 4) * 1000 + digit(unit - 3) * 100 + digit(unit - 2) * 10 + digit(unit - 1);
}

}  // namespace meters
