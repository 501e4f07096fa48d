#pragma once
// Every layout length is given at 96 dpi and 100 %. A horizontal length c becomes
// ((dpiScaleX * c) * sizePercent) / 100 in single precision, in that order; a
// vertical one likewise with dpiScaleY.
#include <cmath>
#include <cstdint>
#include <limits>

namespace app {

// Truncation toward zero that stays defined for any stored setting: NaN gives 0
// and values beyond the int32 range saturate.
inline int32_t truncToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

struct Scale {
    float dpiX = 1.0f;
    float dpiY = 1.0f;
    int32_t sizePercent = 100;

    float sx(float c) const { return dpiX * c * static_cast<float>(sizePercent) / 100.0f; }
    float sy(float c) const { return dpiY * c * static_cast<float>(sizePercent) / 100.0f; }
    int32_t isx(float c) const { return truncToInt(sx(c)); }
    int32_t isy(float c) const { return truncToInt(sy(c)); }
    // Font sizes follow the size setting only: the point unit already follows the DPI.
    float points(float base) const { return static_cast<float>(sizePercent) * base / 100.0f; }
    bool operator==(const Scale&) const = default;
};

// The gadget window: trunc(136 sx) x trunc(462 sy).
struct WindowSize {
    int32_t width, height;
};
inline WindowSize gadgetWindowSize(const Scale& s) { return {s.isx(136), s.isy(462)}; }

}  // namespace app
