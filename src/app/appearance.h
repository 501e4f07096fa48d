#pragma once
// The settings that every window's picture is drawn from: a kept image drawn
// under one appearance is stale under another.
#include <cstdint>

#include "app/scale.h"
#include "app/theme_palette.h"

namespace app {

struct Appearance {
    ThemePalette palette;
    int32_t colorSelect;  // the black theme shades towards another colour
    Scale scale;          // DPI and size
    int32_t shadow;
    bool operator==(const Appearance&) const = default;
};

}  // namespace app
