#include "app/theme_palette.h"

namespace app {

namespace {

// Themes 1 to 4 differ only in frame and panel.
constexpr ThemePalette light(uint32_t frame, uint32_t panel) {
    return {frame,      0xFF000000, panel,      0xFFC0C0C0, 0xFF707070, 0xFF202020, 0xFFFF4040,
            0xFF006000, 0xFF6060FF, 0xFFA0A000, 0xFF404040, 0xFF808080, 0xFFC0C0C0};
}

constexpr ThemePalette palettes[THEME_COUNT] = {
    {0xFF404040, 0xFFFFFFFF, 0xFF000000, 0xFF404040, 0xFF808080, 0xFFC0C0C0, 0xFFFF2020, 0xFF00FF00, 0xFF6060FF,
     0xFFD0D000, 0xFF808080, 0xFF808080, 0xFFC0C0C0},
    light(0xFF60A060, 0xFFE0F0E0),
    light(0xFF8080E0, 0xFFE0E0F0),
    light(0xFFE06060, 0xFFF0E0E0),
    light(0xFF808080, 0xFFF0F0F0),
};

}  // namespace

bool themePalette(int index, ThemePalette& palette) {
    if (index < 0 || index >= THEME_COUNT) return false;
    palette = palettes[index];
    return true;
}

}  // namespace app
