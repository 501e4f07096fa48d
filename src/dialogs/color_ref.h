#pragma once
// The custom controls paint with GDI, which takes colour references (0x00BBGGRR),
// while the theme holds ARGB words (0xAARRGGBB).
#include <cstdint>

namespace dialogs {

// Drops the alpha byte and swaps red and blue.
constexpr uint32_t argbToColorRef(uint32_t argb) {
    return ((argb >> 16) & 0xFF) | ((argb & 0xFF) << 16) | (argb & 0xFF00);
}

}  // namespace dialogs
