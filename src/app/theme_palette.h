#pragma once
#include <cstdint>

namespace app {

// The thirteen ARGB colours of a theme, in this order.
struct ThemePalette {
    uint32_t frame, frameText, panel, grid, gridTop, text, red, green, blue, yellow, border, gray, silver;
    bool operator==(const ThemePalette&) const = default;
};

constexpr int THEME_COUNT = 5;  // 0 black, 1 green, 2 blue, 3 red, 4 white

// The palette of theme `index`; false (and `palette` untouched) for any other index.
bool themePalette(int index, ThemePalette& palette);

}  // namespace app
