#pragma once
// The hover labels of the gadget and the browser: their width follows the
// number of characters, not the text's measured extent.
#include <cstddef>

#include "app/scale.h"

namespace draw {

// 12 units per character plus 5, horizontally, in single precision.
inline float labelWidth(const app::Scale& s, size_t characters) {
    return (static_cast<float>(characters) * 12.0f + 5.0f) * s.dpiX * static_cast<float>(s.sizePercent) / 100.0f;
}

}  // namespace draw
