#pragma once
// The rated clock that many processors name at the end of their brand string,
// for example "... CPU @ 3.20GHz".
#include <array>
#include <cstddef>
#include <cstdint>

namespace meters {

constexpr uint32_t BRAND_TAIL_LEAF = 0x80000004;

// The last 16 bytes of the brand string: the four registers (EAX, EBX, ECX, EDX)
// of the processor's leaf 0x80000004, little-endian; all zero when the highest
// extended leaf it reports is below that.
std::array<uint8_t, 16> brandTail(uint32_t highestExtendedLeaf, const std::array<uint32_t, 4>& tailRegisters);

// The clock in MHz named in the tail, or 0 when it names none. The unit letter
// (M, G or T before "Hz") is looked for at bytes 4 to 13. With a decimal point
// three bytes before it, one digit before and two after the point count
// ("3.20GHz" is 3200, "2.66MHz" is 2); otherwise the four bytes before the unit
// are read as a four-digit number whatever the unit. The digits are not checked.
double parseBrandClock(const std::array<uint8_t, 16>& tail);

}  // namespace meters
