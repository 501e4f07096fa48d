#pragma once
#include <cstdint>

namespace draw {

// The colour that every layered window keys out: its rounded corners. Never a
// drawing colour anywhere else.
constexpr uint32_t TRANSPARENT_KEY = 0xFF000001;
// The same colour as a GDI colour reference (0x00BBGGRR).
constexpr uint32_t TRANSPARENT_KEY_COLORREF = 0x00010000;

}  // namespace draw
